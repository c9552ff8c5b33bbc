; scopes: main code, procedures, Global, Shared, Protected, Static
Global total = 1, name$
c = 5
Procedure Count(n)
  c = n
  total + c
EndProcedure
Procedure Keep()
  Shared c
  Protected total = 2
  Static calls = 3, last$
  Global seen
  calls + 1
  seen = c + total
  If seen > 3
    Define inner.d = 1.5
  EndIf
EndProcedure
Define a, b.s, d.d = 1.5
Define.s x, y
Count(2)
