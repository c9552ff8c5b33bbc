; Questions with MessageRequester and InputRequester
answer = MessageRequester("Question", "Do you like PureBasic?", #PB_MessageRequester_YesNo)
If answer = #PB_MessageRequester_Yes
  Debug "You said yes"
Else
  Debug "You said no"
EndIf
answer = MessageRequester("Question", "Again?", #PB_MessageRequester_YesNo)
If answer = #PB_MessageRequester_No
  Debug "Second answer: no"
EndIf
name$ = InputRequester("Name", "What is your name?", "nobody")
Debug "Name: " + name$
MessageRequester("Info", "Done", #PB_MessageRequester_Info)
Debug "finished"
