; A list of numbers: add, walk, count
NewList numbers()
For i = 1 To 5
  AddElement(numbers())
  numbers() = i * i
Next
Debug "Size: " + Str(ListSize(numbers()))
total = 0
ForEach numbers()
  total + numbers()
  Debug numbers()
Next
Debug "Total: " + Str(total)
ClearList(numbers())
Debug "After ClearList: " + Str(ListSize(numbers()))
