DataSection
Data.i -5, 10
Data.s "x"
EndDataSection
n = 1
