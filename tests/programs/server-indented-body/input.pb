ProcedureDLL.s Shout(text.s)
  Protected loud.s
	loud = UCase(text)
    ProcedureReturn loud + "!"
EndProcedure
  reply.s = Shout("hi")
	done = 1
