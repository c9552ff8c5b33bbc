; Fewest stops between towns: a map of towns, each with its list of
; neighbours, searched breadth first with a list as the queue
Structure Town
  List roads.s()
  hops.i
  via.s
EndStructure

Global NewMap towns.Town()

Procedure Connect(a$, b$)
  AddElement(towns(a$)\roads())
  towns(a$)\roads() = b$
  AddElement(towns(b$)\roads())
  towns(b$)\roads() = a$
EndProcedure

Procedure.s Route(from$, to$)
  ForEach towns()
    towns()\hops = -1
    towns()\via = ""
  Next
  NewList queue.s()
  AddElement(queue())
  queue() = from$
  towns(from$)\hops = 0
  While FirstElement(queue())
    here$ = queue()
    DeleteElement(queue())
    If here$ = to$
      Break
    EndIf
    ForEach towns(here$)\roads()
      nb$ = towns(here$)\roads()
      If towns(nb$)\hops < 0
        towns(nb$)\hops = towns(here$)\hops + 1
        towns(nb$)\via = here$
        LastElement(queue())
        AddElement(queue())
        queue() = nb$
      EndIf
    Next
  Wend
  If towns(to$)\hops < 0
    ProcedureReturn "no way from " + from$ + " to " + to$
  EndIf
  path$ = to$
  t$ = to$
  While towns(t$)\via <> ""
    t$ = towns(t$)\via
    path$ = t$ + " > " + path$
  Wend
  ProcedureReturn path$ + " (" + Str(towns(to$)\hops) + " stops)"
EndProcedure

OpenConsole()
Restore Roads
Repeat
  Read.s a$
  If a$ = ""
    Break
  EndIf
  Read.s b$
  Connect(a$, b$)
ForEver
towns("Isle")\hops = 0
PrintN("towns: " + Str(MapSize(towns())))
PrintN(Route("Ash", "Fen"))
PrintN(Route("Fen", "Ash"))
PrintN(Route("Cove", "Dale"))
PrintN(Route("Ash", "Isle"))
FindMapElement(towns(), "Bray")
Debug MapKey(towns()) + " has " + Str(ListSize(towns()\roads())) + " roads"
FirstElement(towns()\roads())
Debug towns()\roads()

DataSection
  Roads:
  Data.s "Ash", "Bray", "Bray", "Cove", "Ash", "Dale", "Dale", "Cove"
  Data.s "Cove", "Elm", "Elm", "Fen", "Dale", "Glen", "Glen", "Fen", ""
EndDataSection
