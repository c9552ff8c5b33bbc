; Lists and maps reached from procedures through Global and Shared
NewList names.s()
Global NewMap ages()

Procedure AddPerson(name$, age)
  Shared names()
  AddElement(names())
  names() = name$
  ages(name$) = age
EndProcedure

Procedure.i OwnList()
  ; a list of this procedure only, named like the main code's
  NewList names.s()
  AddElement(names())
  names() = "nobody"
  ProcedureReturn ListSize(names())
EndProcedure

Procedure.i TotalAge()
  Shared names()
  ForEach names()
    sum + ages(names())
  Next
  ProcedureReturn sum
EndProcedure

Procedure Birthday(name$)
  ages(name$) + 1
EndProcedure

OpenConsole()
AddPerson("Ann", 31)
AddPerson("Bob", 45)
AddPerson("Cid", 22)
Birthday("Bob")
PrintN("people: " + Str(ListSize(names())) + ", own list: " + Str(OwnList()))
PrintN("total age: " + Str(TotalAge()))
ForEach names()
  PrintN(names() + " " + Str(ages(names())))
Next
