; Checking the form of what users type with regular expressions, then
; cleaning texts up with replacements
OpenConsole()
Define i = 0
Define entry$ = ""
Define names$ = ""
Define count = 0
Dim found$(0)
Define email = CreateRegularExpression(#PB_Any, "^[\w.+-]+@[\w-]+(\.[\w-]+)+$")
Define phone = CreateRegularExpression(#PB_Any, "^\+?\d{1,3}[ -]?\(?\d{2,4}\)?[ -]?\d{3,4}[ -]?\d{3,4}$")
Define day = CreateRegularExpression(#PB_Any, "^(?<d>\d\d)\.(?<m>\d\d)\.(?<y>\d{4})$")
Define consent = CreateRegularExpression(#PB_Any, "^(y|yes|ja|oui)$", #PB_RegularExpression_NoCase)

Restore Inputs
For i = 1 To 9
  Read.s entry$
  If MatchRegularExpression(email, entry$)
    PrintN(entry$ + ": e-mail")
  ElseIf MatchRegularExpression(phone, entry$)
    PrintN(entry$ + ": phone")
  ElseIf ExamineRegularExpression(day, entry$) And NextRegularExpressionMatch(day)
    PrintN(entry$ + ": date (day " + RegularExpressionNamedGroup(day, "d") + ", month " + RegularExpressionNamedGroup(day, "m") + ", year " + RegularExpressionNamedGroup(day, "y") + ")")
  ElseIf MatchRegularExpression(consent, entry$)
    PrintN(entry$ + ": consent")
  Else
    PrintN(entry$ + ": unknown")
  EndIf
Next

Define spaces = CreateRegularExpression(#PB_Any, "\s+")
PrintN("[" + Trim(ReplaceRegularExpression(spaces, "  too   many" + #TAB$ + "spaces  ", " ")) + "]")
Define tags = CreateRegularExpression(#PB_Any, "<[^>]+>")
PrintN(ReplaceRegularExpression(tags, "<b>bold</b> and <i>it</i>", ""))

Define capitals = CreateRegularExpression(#PB_Any, "\b[A-Z][a-z]+\b")
count = ExtractRegularExpression(capitals, "Alice met Bob in Paris", found$())
For i = 0 To count - 1
  If i > 0
    names$ = names$ + ", "
  EndIf
  names$ = names$ + found$(i)
Next
PrintN("Names: " + Str(count) + " (" + names$ + ")")

If CreateRegularExpression(#PB_Any, "(unclosed") = 0
  PrintN("Bad pattern: " + RegularExpressionError())
EndIf

DataSection
  Inputs:
  Data.s "ann@example.com", "bob@@example.com", "first.last+tag@mail.co.uk"
  Data.s "+41 44 668 1800", "12-34", "24.12.2023", "2023-12-24", "YES", "Nope"
EndDataSection
