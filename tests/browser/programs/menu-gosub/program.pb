; A menu loop; every choice runs a subroutine
OpenConsole()
Define choice = 0, total = 0, amount = 0
Repeat
  PrintN("1 Add, 2 Show, 0 Quit")
  Print("Choice: ")
  choice = Val(Input())
  Select choice
    Case 1
      Gosub AddAmount
    Case 2
      Gosub ShowTotal
    Case 0
      PrintN("Bye.")
    Default
      PrintN("No such choice.")
  EndSelect
Until choice = 0
End

AddAmount:
  Print("Amount: ")
  amount = Val(Input())
  If amount <= 0
    PrintN("Nothing added.")
    Return
  EndIf
  total + amount
  Gosub ShowTotal
Return

ShowTotal:
  PrintN("Total: " + Str(total))
Return
