DataSection
Colors:
Data.s "red", "green"
Sizes:
Data.i 1, 2, 3
EndDataSection
Restore Colors
Read.s title
Restore
Read.i n
Restore Sizes ; the numbers
