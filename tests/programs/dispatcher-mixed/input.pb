; Mixed rewrites
Declare.l Area(w, h)
Define count.i = 0, limit.l = $1F
Define letter = 'A', path$ = "C:\temp\"
Define *cursor
Procedure.l Area(w, h)
  ProcedureReturn w * h
EndProcedure
Procedure Notify(*target, text$)
  Debug text$ + Chr(*target)
EndProcedure
count + 1
count - 2
total = count - 2
Debug count + 1
items = Area(2,
             3)
both = count > 0 And
       limit > 0
either = count > 0 Or
         limit > 0
ok = Bool(count > 0) & Not #False
flags = 1 |
        2
handler = @Notify()
pointer = @count
width = frame\w ; the frame's width
KVX_Converter_Begin_Raw
; console.log('raw');
KVX_Converter_End_Raw
