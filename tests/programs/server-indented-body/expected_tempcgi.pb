ProcedureDLL . s Shout ( text . s )
Protected loud . s
loud = UCase ( text )
ProcedureReturn loud + "!"
EndProcedure

 Select Request 
	Case "shout"
		HTTP_Content(@HTTP, Shout( GetValue("text")))

 Default 
   HTTP_Content(@HTTP, "unknown request: '" + Request + "'" ) 
 EndSelect
