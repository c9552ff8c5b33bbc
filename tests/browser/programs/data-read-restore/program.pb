; Tables in a DataSection, read with Read and Restore
Restore Colors
For i = 1 To 3
  Read.s color$
  Debug color$
Next
Restore Numbers
sum = 0
For i = 1 To 4
  Read.i n
  sum + n
Next
Debug "Sum: " + Str(sum)
Restore Colors
Read.s first$
Debug "Again: " + first$

DataSection
  Colors:
  Data.s "red", "green", "blue"
  Numbers:
  Data.i 10, 20, 30, -5
EndDataSection
