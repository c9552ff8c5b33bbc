; A one-dimensional array: fill, sum, find the largest
Dim values(9)
For i = 0 To 9
  values(i) = (i * 7) % 10
Next
sum = 0
largest = values(0)
For i = 0 To 9
  sum + values(i)
  If values(i) > largest
    largest = values(i)
  EndIf
Next
Debug "Size: " + Str(ArraySize(values()))
Debug "Sum: " + Str(sum)
Debug "Largest: " + Str(largest)
