ProcedureDLL . s Hello ( name . s , age )
ProcedureReturn "Hello " + name
EndProcedure

 Select Request 
	Case "hello"
		HTTP_Content(@HTTP, Hello( GetValue("name"),  GetValue("age")))

 Default 
   HTTP_Content(@HTTP, "unknown request: '" + Request + "'" ) 
 EndSelect
