Global Dim a(2) ; storage
If a(0) = 1 ; first
ElseIf a(1) <> 2 ; second
Else ; otherwise
EndIf ; done
While a(0) < 3 ; grow
  a(0) = a(0) + 1
Wend ; grown
Repeat ; forever
ForEver ; until break
Select a(2) ; pick
  Case 1 ; one
  Default ; other
EndSelect ; picked
Procedure P() ; nothing
EndProcedure ; end
