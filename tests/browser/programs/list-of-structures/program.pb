; A list of structures
Structure Person
  name.s
  age.i
EndStructure

NewList people.Person()

Procedure AddPerson(name$, age)
  AddElement(people())
  people()\name = name$
  people()\age = age
EndProcedure

AddPerson("Alice", 34)
AddPerson("Bob", 27)
AddPerson("Carol", 41)

oldest$ = ""
oldestAge = 0
ForEach people()
  Debug people()\name + " is " + Str(people()\age)
  If people()\age > oldestAge
    oldestAge = people()\age
    oldest$ = people()\name
  EndIf
Next
Debug "Oldest: " + oldest$
