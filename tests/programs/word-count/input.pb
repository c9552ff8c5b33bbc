; count the words of a text
NewMap count()
text$ = "to be or not to be "
word$ = ""
For i = 1 To Len(text$)
  c = Asc(Mid(text$, i, 1))
  If c >= 'a' And c <= 'z'
    word$ + Chr(c)
  ElseIf word$ <> ""
    count(word$) = count(word$) + 1
    If count(word$) = 1
      Debug "new: " + word$
    EndIf
    word$ = ""
  EndIf
Next
ok = Bool(MapSize(count()) = 4)
