; A small matrix library: the procedures size the matrices they are handed
Procedure Identity(Array m.d(2), n)
  Dim m(n - 1, n - 1)
  For i = 0 To n - 1
    m(i, i) = 1.0
  Next
EndProcedure

Procedure Multiply(Array a.d(2), Array b.d(2), Array c.d(2))
  rows = ArraySize(a(), 1)
  inner = ArraySize(a(), 2)
  cols = ArraySize(b(), 2)
  Dim c(rows, cols)
  For i = 0 To rows
    For j = 0 To cols
      sum.d = 0
      For k = 0 To inner
        sum + a(i, k) * b(k, j)
      Next
      c(i, j) = sum
    Next
  Next
EndProcedure

Procedure Transpose(Array m.d(2))
  rows = ArraySize(m(), 1)
  cols = ArraySize(m(), 2)
  Dim t.d(cols, rows)
  For i = 0 To rows
    For j = 0 To cols
      t(j, i) = m(i, j)
    Next
  Next
  CopyArray(t(), m())
EndProcedure

Procedure ShowMatrix(title$, Array m.d(2))
  PrintN(title$ + " (" + Str(ArraySize(m(), 1) + 1) + "x" + Str(ArraySize(m(), 2) + 1) + ")")
  For i = 0 To ArraySize(m(), 1)
    line$ = ""
    For j = 0 To ArraySize(m(), 2)
      line$ + RSet(StrD(m(i, j), 1), 7)
    Next
    PrintN(line$)
  Next
EndProcedure

OpenConsole()
Dim unit.d(0, 0)
Identity(unit(), 3)
ShowMatrix("unit", unit())

Dim a.d(1, 2)
For i = 0 To 1
  For j = 0 To 2
    a(i, j) = i * 3 + j + 1
  Next
Next
Dim b.d(2, 1)
For i = 0 To 2
  For j = 0 To 1
    b(i, j) = (i + 1) * (j + 2) * 0.5
  Next
Next
ShowMatrix("a", a())
ShowMatrix("b", b())

Dim c.d(0, 0)
Multiply(a(), b(), c())
ShowMatrix("a x b", c())

Identity(unit(), 2)
Dim same.d(5, 5)
Multiply(unit(), c(), same())
ShowMatrix("unit x (a x b)", same())

Transpose(a())
ShowMatrix("a turned", a())
Debug c(1, 1)
Debug a(2, 0) + a(2, 1)
Debug ArraySize(same(), 1)
