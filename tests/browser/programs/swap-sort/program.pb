; Bubble sort with Swap; Swap on strings, structure fields and map elements too
Dim numbers(7)
Define i = 0, j = 0, swaps = 0
numbers(0) = 42 : numbers(1) = 7 : numbers(2) = 19 : numbers(3) = 3
numbers(4) = 88 : numbers(5) = 23 : numbers(6) = 7 : numbers(7) = 1
For i = 0 To 6
  For j = 0 To 6 - i
    If numbers(j) > numbers(j + 1)
      Swap numbers(j), numbers(j + 1)
      swaps + 1
    EndIf
  Next
Next
Define line$ = Str(numbers(0))
For i = 1 To 7
  line$ + " " + Str(numbers(i))
Next
Debug line$
Debug "swaps: " + Str(swaps)

Define first$ = "left", second$ = "right"
Swap first$, second$
Debug first$ + " " + second$

Structure Pair
  a.i
  b.i
EndStructure
Define p.Pair
p\a = 1
p\b = 2
Swap p\a, p\b
Debug "pair: " + Str(p\a) + " " + Str(p\b)

NewMap stock()
stock("apples") = 3
stock("pears") = 8
Swap stock("apples"), stock("pears")
Debug "apples " + Str(stock("apples")) + ", pears " + Str(stock("pears"))
