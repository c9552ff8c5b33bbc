; Two windows: the main one opens a second that asks for a name. OK copies
; the name into the main window; each close box closes its own window.
Enumeration
  #Main
  #Ask
EndEnumeration
Enumeration
  #Greeting
  #Open
  #Name
  #Ok
EndEnumeration

Procedure OpenAsk()
  If Not IsWindow(#Ask)
    OpenWindow(#Ask, 80, 150, 220, 80, "Your name", #PB_Window_SystemMenu)
    StringGadget(#Name, 10, 10, 200, 24, "")
    ButtonGadget(#Ok, 130, 44, 80, 26, "OK")
    SetActiveGadget(#Name)
  EndIf
EndProcedure

quit = #False
If OpenWindow(#Main, 20, 20, 300, 100, "Hello", #PB_Window_SystemMenu)
  TextGadget(#Greeting, 10, 10, 280, 20, "Nobody here yet.")
  ButtonGadget(#Open, 10, 50, 120, 28, "Ask the name")
  Repeat
    Event = WaitWindowEvent()
    Select Event
      Case #PB_Event_Gadget
        If EventGadget() = #Open
          OpenAsk()
        ElseIf EventGadget() = #Ok
          name$ = GetGadgetText(#Name)
          SetGadgetText(#Greeting, "Hello, " + name$ + "!")
          Debug "Hello, " + name$
          CloseWindow(#Ask)
        EndIf
      Case #PB_Event_CloseWindow
        If EventWindow() = #Ask
          Debug "Asking cancelled"
          CloseWindow(#Ask)
        Else
          Debug "Main window closed"
          quit = #True
        EndIf
    EndSelect
  Until quit
EndIf
