ProcedureDLL Ping ( )
ProcedureReturn 1
EndProcedure

 Select Request 
	Case "ping"
		HTTP_Content(@HTTP, Ping())

 Default 
   HTTP_Content(@HTTP, "unknown request: '" + Request + "'" ) 
 EndSelect
