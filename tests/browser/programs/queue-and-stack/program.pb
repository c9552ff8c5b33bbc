; A print queue (first in, first out) and an undo stack (last in, first out)
Procedure Enqueue(List q.s(), job$)
  LastElement(q())
  AddElement(q())
  q() = job$
EndProcedure

Procedure.s Dequeue(List q.s())
  If FirstElement(q()) = 0
    ProcedureReturn ""
  EndIf
  job$ = q()
  DeleteElement(q())
  ProcedureReturn job$
EndProcedure

; how many jobs after the current one have its name; the current one stays
Procedure.i CountLater(List q.s())
  name$ = q()
  n = 0
  PushListPosition(q())
  While NextElement(q())
    If q() = name$
      n + 1
    EndIf
  Wend
  PopListPosition(q())
  ProcedureReturn n
EndProcedure

Procedure Push(List s.s(), item$)
  LastElement(s())
  AddElement(s())
  s() = item$
EndProcedure

Procedure.s Pop(List s.s())
  If LastElement(s())
    item$ = s()
    DeleteElement(s())
    ProcedureReturn item$
  EndIf
  ProcedureReturn "(empty)"
EndProcedure

OpenConsole()
NewList queue.s()
Enqueue(queue(), "report")
Enqueue(queue(), "letter")
Enqueue(queue(), "report")
Enqueue(queue(), "photo")
Enqueue(queue(), "report")
ForEach queue()
  PrintN(Str(ListIndex(queue())) + " " + queue() + " (" + Str(CountLater(queue())) + " more later, still at " + Str(ListIndex(queue())) + ")")
Next
PrintN("printing " + Dequeue(queue()))
PrintN("printing " + Dequeue(queue()))
PrintN("waiting: " + Str(ListSize(queue())))
Enqueue(queue(), "memo")
While ListSize(queue()) > 0
  PrintN("printing " + Dequeue(queue()))
Wend
PrintN("queue empty: '" + Dequeue(queue()) + "'")

; positions remembered inside each other come back in reverse order
Enqueue(queue(), "a")
Enqueue(queue(), "b")
Enqueue(queue(), "c")
FirstElement(queue())
PushListPosition(queue())
LastElement(queue())
PushListPosition(queue())
SelectElement(queue(), 1)
PrintN("now at " + queue())
PopListPosition(queue())
PrintN("back at " + queue())
PopListPosition(queue())
PrintN("back at " + queue())

NewList undo.s()
Push(undo(), "type a")
Push(undo(), "type b")
Push(undo(), "bold")
Push(undo(), "delete")
Debug "undo " + Pop(undo())
Debug "undo " + Pop(undo())
Push(undo(), "italic")
ForEach undo()
  Debug "kept: " + undo()
Next
For i = 1 To 4
  Debug "undo " + Pop(undo())
Next
