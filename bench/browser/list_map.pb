; Benchmark: a list of 1,000,000 numbers walked with ForEach, a map of
; 100,000 keys filled and read, and a list of 1,000,000 texts sorted. Each
; of the first three Debug lines gives the milliseconds of a part, the
; others its results.
NewList numbers()
NewMap squares()
NewList words.s()

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

; the texts come from a small generator, so that the sort has work to do
x = 1
For i = 1 To 1000000
  x = (x * 7919 + 13) % 1000003
  AddElement(words())
  words() = "w" + Str(x)
Next
start = ElapsedMilliseconds()
SortList(words(), #PB_Sort_Ascending)
Debug ElapsedMilliseconds() - start

Debug total
Debug sum
FirstElement(words())
Debug words()
SelectElement(words(), 500000)
Debug words()
LastElement(words())
Debug words()
