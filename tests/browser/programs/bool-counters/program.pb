; Counting with Bool(): a true condition counts 1, a false one 0
OpenConsole()
For i = 1 To 100
  evens + Bool(i % 2 = 0)
  squares + Bool(Sqr(i) = Int(Sqr(i)))
  sixes + Bool(i % 2 = 0 And i % 3 = 0)
  either = either + Bool(i % 7 = 0 Or i % 11 = 0)
  notFives + Bool(Not i % 5 = 0)
Next
PrintN("evens " + Str(evens) + ", squares " + Str(squares) + ", sixes " + Str(sixes))
PrintN("sevens or elevens " + Str(either) + ", not fives " + Str(notFives))

text$ = "Counting the vowels of a sentence"
For i = 1 To Len(text$)
  ch$ = LCase(Mid(text$, i, 1))
  vowels + Bool(FindString("aeiou", ch$) > 0)
  blanks + Bool(ch$ = " ")
Next
PrintN("vowels " + Str(vowels) + ", blanks " + Str(blanks))

Procedure.i SignOf(x)
  ProcedureReturn Bool(x > 0) - Bool(x < 0)
EndProcedure
PrintN("signs " + Str(SignOf(-12)) + " " + Str(SignOf(0)) + " " + Str(SignOf(5)))

a = 3
b = 3
same = Bool(a = b)
PrintN("same " + Str(same) + ", different " + Str(Bool(a <> b)) + ", twice " + Str(2 * Bool(a >= b)))
flag = Bool(a = 3) + Bool(b = 4) * 10 + Bool(a + b = 6) * 100
PrintN("flags " + Str(flag))
Debug Bool(#True)
Debug Bool(a > 1 XOr b > 1)
Debug Bool(a < 1 XOr b > 1)
Debug Bool(Not a)
