DataSection
Colors:
Data.s "red", "green"
Sizes:
Data.i 1, 2, 3
EndDataSection
Restore Colors
