DataSection
in:
Data.i 1, 2
Sizes:
Data.i 3
EndDataSection
Restore in
Restore Sizes
