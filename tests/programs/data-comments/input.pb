DataSection
Sizes:
Data.i 1, 2 ; note
Data.i 3
EndDataSection
Read.i a
