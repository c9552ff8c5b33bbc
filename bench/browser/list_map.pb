; Benchmark: a list of 1,000,000 numbers walked with ForEach, and a map of
; 100,000 keys filled and read. Each Debug line gives the milliseconds of a
; part, then the results.
NewList numbers()
NewMap squares()

start = ElapsedMilliseconds()
For i = 1 To 1000000
  AddElement(numbers())
  numbers() = i
Next
total = 0
ForEach numbers()
  total + numbers()
Next
Debug ElapsedMilliseconds() - start

start = ElapsedMilliseconds()
For i = 1 To 100000
  key$ = Str(i)
  squares(key$) = i
Next
sum = 0
For i = 1 To 100000
  key$ = Str(i)
  sum + squares(key$)
Next
Debug ElapsedMilliseconds() - start

Debug total
Debug sum
