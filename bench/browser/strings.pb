; Benchmark: texts built in loops, as PureBasic programs build them: a
; text grown by one character at a time, a line of numbers joined with
; commas, and a text of a million characters read back one by one (the
; sum checks every character of it). Each of the first three Debug lines
; gives the milliseconds of a part, the others its results.
letters$ = ""
line$ = ""

start = ElapsedMilliseconds()
For i = 1 To 1000000
  letters$ = letters$ + Chr(65 + i % 26)
Next
Debug ElapsedMilliseconds() - start

start = ElapsedMilliseconds()
For i = 1 To 200000
  line$ + Str(i) + ","
Next
Debug ElapsedMilliseconds() - start

; the text to read is built outside the time, each timed part being
; measured on its own
text$ = ""
For i = 1 To 1000000
  text$ + Chr(97 + i % 26)
Next
start = ElapsedMilliseconds()
sum = 0
For i = 1 To Len(text$)
  sum + Asc(Mid(text$, i, 1)) * (i % 7 + 1)
Next
Debug ElapsedMilliseconds() - start

Debug Len(letters$)
Debug Right(letters$, 5)
Debug Len(text$)
Debug sum
Debug Len(line$)
Debug Left(line$, 12)
Debug Right(line$, 14)
