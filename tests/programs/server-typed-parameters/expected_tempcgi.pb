ProcedureDLL . l Sum ( a . s , b . l , c . d )
ProcedureReturn Val ( a ) + b + c
EndProcedure

 Select Request 
	Case "sum"
		HTTP_Content(@HTTP, Sum( GetValue("a"),  GetValue("b"),  GetValue("c")))

 Default 
   HTTP_Content(@HTTP, "unknown request: '" + Request + "'" ) 
 EndSelect
