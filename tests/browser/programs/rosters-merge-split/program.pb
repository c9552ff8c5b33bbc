; Team rosters: lists merged into one and split in two
Procedure Fill(List l.s(), names$)
  ClearList(l())
  For i = 1 To CountString(names$, ",") + 1
    AddElement(l())
    l() = StringField(names$, i, ",")
  Next
EndProcedure

Procedure Show(title$, List l.s())
  line$ = title$ + " [" + Str(ListSize(l())) + "]:"
  ForEach l()
    line$ + " " + l()
  Next
  PrintN(line$)
EndProcedure

OpenConsole()
NewList morning.s()
NewList evening.s()
NewList all.s()
Fill(morning(), "Ann,Bob,Cid")
Fill(evening(), "Dan,Eve")
MergeLists(morning(), all())
Show("all", all())
Show("morning", morning())
MergeLists(evening(), all(), #PB_List_First)
Show("all", all())
Show("evening", evening())

Fill(morning(), "Fay,Gus")
SelectElement(all(), 2)
MergeLists(morning(), all(), #PB_List_After)
Show("all", all())
Fill(morning(), "Hal")
SelectElement(all(), 0)
MergeLists(morning(), all(), #PB_List_Before)
Show("all", all())

NewList late.s()
SelectElement(all(), 5)
SplitList(all(), late())
PrintN("late has a current element: " + Str(Bool(ListIndex(late()) >= 0)))
Show("early", all())
Show("late", late())

SelectElement(all(), 2)
SplitList(all(), evening(), #True)
Show("kept", all())
Show("moved", evening())

NewList none.s()
ResetList(all())
SplitList(all(), none())
Show("nothing split off", all())
PrintN("none: " + Str(ListSize(none())))

MergeLists(late(), all())
MergeLists(evening(), all())
Debug ListSize(all())
Debug ListSize(late())
LastElement(all())
Debug all()
FirstElement(all())
Debug all()
