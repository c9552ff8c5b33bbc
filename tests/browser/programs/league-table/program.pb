; A league table: teams sorted by goals, then by points, the order of
; equal teams kept from the sort before
Structure Team
  name.s
  points.i
  goals.i
  rating.f
EndStructure

Procedure Table(title$, List t.Team())
  PrintN(title$)
  rank = 0
  ForEach t()
    rank + 1
    PrintN(RSet(Str(rank), 2) + ". " + LSet(t()\name, 7) + RSet(Str(t()\points), 3) + RSet(Str(t()\goals), 4))
  Next
EndProcedure

OpenConsole()
NewList teams.Team()
Restore Teams
Repeat
  Read.s name$
  If name$ = ""
    Break
  EndIf
  AddElement(teams())
  teams()\name = name$
  Read.i teams()\points
  Read.i teams()\goals
  teams()\rating = teams()\goals / 2
Until #False
PrintN("teams: " + Str(ListSize(teams())))

SortStructuredList(teams(), #PB_Sort_Descending, OffsetOf(Team\goals), TypeOf(Team\goals))
SortStructuredList(teams(), #PB_Sort_Descending, OffsetOf(Team\points), #PB_Integer)
Table("by points, then goals", teams())

SortStructuredList(teams(), #PB_Sort_Ascending, OffsetOf(Team\name), TypeOf(Team\name))
Table("by name", teams())

SortStructuredList(teams(), #PB_Sort_Ascending, OffsetOf(Team\rating), #PB_Float)
line$ = ""
ForEach teams()
  line$ + " " + teams()\name + "=" + StrF(teams()\rating, 1)
Next
PrintN("by rating:" + line$)

NewList fruit.s()
Restore Fruit
For i = 1 To 5
  AddElement(fruit())
  Read.s fruit()
Next
SortList(fruit(), #PB_Sort_Ascending | #PB_Sort_NoCase)
ForEach fruit()
  Debug fruit()
Next
SortList(fruit(), #PB_Sort_Descending)
FirstElement(fruit())
Debug fruit()
LastElement(fruit())
Debug fruit()

DataSection
  Teams:
  Data.s "Lions"
  Data.i 10, 14
  Data.s "Bears"
  Data.i 7, 9
  Data.s "Eagles"
  Data.i 10, 11
  Data.s "Wolves"
  Data.i 7, 12
  Data.s "Sharks"
  Data.i 4, 9
  Data.s "Foxes"
  Data.i 10, 14
  Data.s ""
  Fruit:
  Data.s "pear", "Apple", "banana", "apple", "Banana"
EndDataSection
