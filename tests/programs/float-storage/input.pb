; floats: single precision where a .f is stored, the debugger's text, floats joined to text
Define.f f, g
Define.d d
Procedure.f Scale(x.f, k.d)
  ProcedureReturn x * k
EndProcedure
f = 1.5
g = f * f
d = f * 0.1
f = Scale(d, 2)
Debug f
Debug d
s$ = "f: " + f + ", d: " + d
i = Scale(2, 1.25)
