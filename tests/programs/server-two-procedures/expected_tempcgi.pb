ProcedureDLL . s First ( a . s )
ProcedureReturn a
EndProcedure
ProcedureDLL . s Later ( b . s )
ProcedureReturn b + b
EndProcedure

 Select Request 
	Case "first"
		HTTP_Content(@HTTP, First( GetValue("a")))
	Case "later"
		HTTP_Content(@HTTP, Later( GetValue("b")))

 Default 
   HTTP_Content(@HTTP, "unknown request: '" + Request + "'" ) 
 EndSelect
