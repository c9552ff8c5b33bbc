; Tables from a data section, read straight into arrays, lists, maps and fields
Structure Point
  x.i
  y.i
EndStructure

Structure Person
  first.s
  last.s
  age.i
EndStructure

OpenConsole()
Dim board.i(2, 2)
Restore Board
For i = 0 To 2
  For j = 0 To 2
    Read.i board(i, j)
  Next
Next
magic = #True
For i = 0 To 2
  row = 0
  col = 0
  For j = 0 To 2
    row + board(i, j)
    col + board(j, i)
  Next
  PrintN(Str(board(i, 0)) + " " + Str(board(i, 1)) + " " + Str(board(i, 2)) + "  row " + Str(row) + ", column " + Str(col))
  If row <> 15 Or col <> 15
    magic = #False
  EndIf
Next
If magic And board(0, 0) + board(1, 1) + board(2, 2) = 15
  PrintN("a magic square")
EndIf

NewList names.s()
NewMap population.i()
Restore Cities
Read.i n
For k = 1 To n
  AddElement(names())
  Read.s names()
  Read.i population(names())
Next
ForEach names()
  PrintN(names() + " " + Str(population(names())) + " thousand")
Next

p.Point
Restore Origin
Read p\x
Read p\y
Dim corners.Point(1)
For k = 0 To 1
  Read corners(k)\x
  Read corners(k)\y
Next
PrintN("origin (" + Str(p\x) + ", " + Str(p\y) + "), box (" + Str(corners(0)\x) + ", " + Str(corners(0)\y) + ")-(" + Str(corners(1)\x) + ", " + Str(corners(1)\y) + ")")

NewList people.Person()
Restore People
For k = 1 To 2
  AddElement(people())
  Read.s people()\first
  Read.s people()\last
  Read.i people()\age
Next
ForEach people()
  PrintN(people()\last + ", " + people()\first + " (" + Str(people()\age) + ")")
Next

Dim weights.d(2)
Restore Weights
sum.d = 0
For k = 0 To 2
  Read.d weights(k)
  sum + weights(k)
Next
Debug sum
Debug weights(0)
Read.s extra$
Debug extra$

DataSection
  Board:
  Data.i 2, 7, 6, 9, 5, 1, 4, 3, 8
  Cities:
  Data.i 3
  Data.s "Oslo"
  Data.i 709
  Data.s "Lima"
  Data.i 10719
  Data.s "Rome"
  Data.i 2873
  Origin:
  Data.i 12, -4
  Data.i -10, 20, 10, -20
  People:
  Data.s "Grace", "Hopper"
  Data.i 85
  Data.s "Alan", "Turing"
  Data.i 41
  Weights:
  Data.d 0.25, 1.5, 2.0
  Data.s "done"
EndDataSection
