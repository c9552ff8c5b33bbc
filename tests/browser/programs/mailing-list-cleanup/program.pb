; A mailing list cleaned up: addresses in one case, sorted, doubles removed
OpenConsole()
NewList mail.s()
Restore Addresses
Repeat
  Read.s address$
  If address$ = "" : Break : EndIf
  AddElement(mail())
  mail() = LCase(Trim(address$))
ForEver
PrintN("read " + Str(ListSize(mail())))

NewList backup.s()
CopyList(mail(), backup())
SortList(mail(), #PB_Sort_Ascending)
previous$ = ""
removed = 0
ForEach mail()
  If mail() = previous$
    DeleteElement(mail())
    removed + 1
  Else
    previous$ = mail()
  EndIf
Next
PrintN("removed " + Str(removed) + ", kept " + Str(ListSize(mail())))

; a heading first, and a marker wherever the domain changes
FirstElement(mail())
InsertElement(mail())
mail() = "# subscribers"
domain$ = ""
ForEach mail()
  If Left(mail(), 1) = "#"
    Continue
  EndIf
  d$ = StringField(mail(), 2, "@")
  If d$ <> domain$
    domain$ = d$
    InsertElement(mail())
    mail() = "## " + d$
    NextElement(mail())
  EndIf
Next
ForEach mail()
  PrintN(mail())
Next

FirstElement(backup())
PrintN("first read: " + backup() + " of " + Str(ListSize(backup())))
ClearList(backup())
PrintN("backup cleared: " + Str(ListSize(backup())) + ", index " + Str(ListIndex(backup())))
FreeList(backup())
Debug ListSize(backup())
Debug ListSize(mail())
LastElement(mail())
Debug mail()

DataSection
  Addresses:
  Data.s "ann@mail.org", " Bob@web.net", "cid@mail.org", "ANN@mail.org"
  Data.s "dee@web.net ", "bob@web.net", "eve@home.io", "cid@mail.org", ""
EndDataSection
