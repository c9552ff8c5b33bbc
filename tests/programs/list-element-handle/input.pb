NewList q.i()
AddElement(q()) : q() = 10
AddElement(q()) : q() = 20
*keep = @q()
FirstElement(q())
ChangeCurrentElement(q(), *keep)
Debug q()
