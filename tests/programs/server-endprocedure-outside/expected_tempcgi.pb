ProcedureDLL Remote ( )
ProcedureReturn 7
EndProcedure

 Select Request 
	Case "remote"
		HTTP_Content(@HTTP, Remote())

 Default 
   HTTP_Content(@HTTP, "unknown request: '" + Request + "'" ) 
 EndSelect
