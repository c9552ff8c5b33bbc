; Splitting a text into words and sentences with regular expressions
OpenConsole()
Define text$ = "The cat sat on the mat. The mat was flat; the cat was fat!"
Define count = 0
Define i = 0
Define longest$ = ""
Define joined$ = ""
Define word$ = ""
Dim words$(0)
NewMap seen.i()

If CreateRegularExpression(0, "[A-Za-z]+")
  count = ExtractRegularExpression(0, text$, words$())
  PrintN("Words: " + Str(count))
  PrintN("First: " + words$(0) + ", last: " + words$(count - 1))
  For i = 0 To count - 1
    If Len(words$(i)) > Len(longest$)
      longest$ = words$(i)
    EndIf
    word$ = LCase(words$(i))
    seen(word$) = seen(word$) + 1
  Next
  PrintN("Longest: " + longest$)
  PrintN("Different: " + Str(MapSize(seen())))
  PrintN("the: " + Str(seen("the")) + ", cat: " + Str(seen("cat")) + ", on: " + Str(seen("on")))
  FreeRegularExpression(0)
EndIf

; every end of a sentence, with the spaces after it, becomes one "|"
If CreateRegularExpression(1, "\s*[.;!?]\s*")
  joined$ = ReplaceRegularExpression(1, text$, "|")
  PrintN(joined$)
  count = CountString(joined$, "|")
  For i = 1 To count
    PrintN(Str(i) + ") " + StringField(joined$, i, "|"))
  Next
EndIf

If CreateRegularExpression(2, "\d") = 0 Or MatchRegularExpression(2, text$) = 0
  PrintN("No digits in the text")
EndIf
If IsRegularExpression(0) = 0
  PrintN("Expression 0 is freed")
EndIf
