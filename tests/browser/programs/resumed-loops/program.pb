; Loops long enough to give the page back several times on their way
NewList n.i()
For i = 1 To 200
  AddElement(n()) : n() = i
Next
ResetList(n())
sum = 0
While NextElement(n())
  sum + n()
Wend
Debug sum
count = 0
For i = 1 To 1000
  If i % 3 : Continue : EndIf
  count + 1
Next
Debug count
k = 0
Repeat
  k + 1
Until k = 300
Debug k
NewMap m.i()
For i = 1 To 500 : m(Str(i)) = i : Next
total = 0
ForEach m()
  total + m()
Next
Debug total
j = 0
While j < 100000 : j + 1 : Wend
Debug j
For i = 1 To 100000
  If i = 777 : Break : EndIf
Next
Debug i
