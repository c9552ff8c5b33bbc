; A pocket calculator: digit keys, the four operations, "=" (or Return)
; and a display that can also be typed into.
Enumeration
  #Window
  #Display
  #Clear
  #Equals
  #Plus
  #Minus
  #Times
  #Divide
  #Digit0
EndEnumeration

Global total = 0
Global pending$ = ""
Global fresh = #True

Procedure ShowNumber(value)
  SetGadgetText(#Display, Str(value))
  fresh = #True
EndProcedure

; Applies the waiting operation to the total and the number on display.
Procedure Calculate()
  shown = Val(GetGadgetText(#Display))
  Select pending$
    Case "+"
      total = total + shown
    Case "-"
      total = total - shown
    Case "*"
      total = total * shown
    Case "/"
      If shown <> 0
        total = total / shown
      EndIf
    Default
      total = shown
  EndSelect
  ShowNumber(total)
EndProcedure

Procedure Operation(op$)
  Calculate()
  pending$ = op$
EndProcedure

Procedure Digit(d)
  If fresh
    SetGadgetText(#Display, Str(d))
    fresh = #False
  Else
    SetGadgetText(#Display, GetGadgetText(#Display) + Str(d))
  EndIf
EndProcedure

; A key pressed: a digit, an operation, "=" or C.
Procedure Press(key)
  If key >= #Digit0 And key <= #Digit0 + 9
    Digit(key - #Digit0)
  ElseIf key = #Plus
    Operation("+")
  ElseIf key = #Minus
    Operation("-")
  ElseIf key = #Times
    Operation("*")
  ElseIf key = #Divide
    Operation("/")
  ElseIf key = #Equals
    Calculate()
    pending$ = ""
    Debug GetGadgetText(#Display)
  ElseIf key = #Clear
    total = 0
    pending$ = ""
    ShowNumber(0)
  EndIf
EndProcedure

Procedure Key(gadget, column, row, text$)
  ButtonGadget(gadget, 10 + column * 45, 50 + row * 40, 40, 34, text$)
EndProcedure

If OpenWindow(#Window, 20, 20, 190, 214, "Calculator", #PB_Window_SystemMenu)
  StringGadget(#Display, 10, 10, 170, 28, "0", #PB_String_Numeric)
  Key(#Digit0 + 7, 0, 0, "7") : Key(#Digit0 + 8, 1, 0, "8") : Key(#Digit0 + 9, 2, 0, "9") : Key(#Divide, 3, 0, "/")
  Key(#Digit0 + 4, 0, 1, "4") : Key(#Digit0 + 5, 1, 1, "5") : Key(#Digit0 + 6, 2, 1, "6") : Key(#Times, 3, 1, "*")
  Key(#Digit0 + 1, 0, 2, "1") : Key(#Digit0 + 2, 1, 2, "2") : Key(#Digit0 + 3, 2, 2, "3") : Key(#Minus, 3, 2, "-")
  Key(#Digit0, 0, 3, "0") : Key(#Clear, 1, 3, "C") : Key(#Equals, 2, 3, "=") : Key(#Plus, 3, 3, "+")
  AddKeyboardShortcut(#Window, #PB_Shortcut_Return, #Equals)

  Repeat
    Event = WaitWindowEvent()
    Select Event
      Case #PB_Event_Gadget
        If EventGadget() = #Display
          fresh = #False
        Else
          Press(EventGadget())
        EndIf
      Case #PB_Event_Menu
        Press(EventMenu())
    EndSelect
  Until Event = #PB_Event_CloseWindow
EndIf
