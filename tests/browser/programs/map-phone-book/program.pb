; A phone book in a map of strings
NewMap phone.s()
phone("Alice") = "555-1234"
phone("Bob") = "555-9876"
phone("Carol") = "555-5555"
Debug phone("Bob")
If FindMapElement(phone(), "Carol")
  Debug "Carol: " + phone()
EndIf
If FindMapElement(phone(), "Dave") = 0
  Debug "Dave is not listed"
EndIf
ForEach phone()
  Debug MapKey(phone()) + " = " + phone()
Next
Debug MapSize(phone())
