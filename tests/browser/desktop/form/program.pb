; An order form: two check boxes, two groups of options, a combo box and a
; spin gadget; "Order" reads them all.
Enumeration
  #Window
  #Gift
  #Express
  #SizeLabel
  #Small
  #Medium
  #Large
  #PayLabel
  #Card
  #Cash
  #Color
  #Amount
  #Order
  #Summary
EndEnumeration

Procedure ShowOrder()
  If GetGadgetState(#Small)
    size$ = "Small"
  ElseIf GetGadgetState(#Medium)
    size$ = "Medium"
  Else
    size$ = "Large"
  EndIf
  If GetGadgetState(#Card)
    pay$ = "Card"
  Else
    pay$ = "Cash"
  EndIf
  Debug "Gift wrap: " + Str(GetGadgetState(#Gift))
  Debug "Express: " + Str(GetGadgetState(#Express))
  Debug "Size: " + size$
  Debug "Payment: " + pay$
  Debug "Color: " + GetGadgetText(#Color)
  Debug "Amount: " + Str(GetGadgetState(#Amount))
  SetGadgetText(#Summary, Str(GetGadgetState(#Amount)) + " x " + size$ + " " + GetGadgetText(#Color))
EndProcedure

If OpenWindow(#Window, 20, 20, 300, 230, "Order", #PB_Window_SystemMenu)
  CheckBoxGadget(#Gift, 10, 10, 130, 20, "Gift wrap")
  CheckBoxGadget(#Express, 150, 10, 140, 20, "Express delivery")
  TextGadget(#SizeLabel, 10, 40, 130, 20, "Size:")
  OptionGadget(#Small, 10, 60, 130, 20, "Small")
  OptionGadget(#Medium, 10, 80, 130, 20, "Medium")
  OptionGadget(#Large, 10, 100, 130, 20, "Large")
  TextGadget(#PayLabel, 150, 40, 140, 20, "Payment:")
  OptionGadget(#Card, 150, 60, 140, 20, "Card")
  OptionGadget(#Cash, 150, 80, 140, 20, "Cash")
  ComboBoxGadget(#Color, 10, 130, 130, 24)
  AddGadgetItem(#Color, -1, "Red")
  AddGadgetItem(#Color, -1, "Green")
  AddGadgetItem(#Color, -1, "Blue")
  AddGadgetItem(#Color, -1, "Black")
  SpinGadget(#Amount, 150, 130, 80, 24, 1, 10, #PB_Spin_Numeric)
  ButtonGadget(#Order, 10, 164, 280, 28, "Order")
  TextGadget(#Summary, 10, 202, 280, 20, "")
  SetGadgetState(#Medium, 1)
  SetGadgetState(#Card, 1)
  SetGadgetState(#Color, 0)
  SetGadgetState(#Amount, 1)

  Repeat
    Event = WaitWindowEvent()
    If Event = #PB_Event_Gadget And EventGadget() = #Order
      ShowOrder()
    EndIf
  Until Event = #PB_Event_CloseWindow
EndIf
