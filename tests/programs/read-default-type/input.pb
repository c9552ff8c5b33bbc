DataSection
Values:
Data.i 3, 4
EndDataSection
Read first
Read.i second
x = first + second
