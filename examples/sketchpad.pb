; Sketchpad: draw with the mouse on a canvas. The three track bars mix the
; pen's colour, the options choose its size; File > Clear (Ctrl+N) starts a
; new page, Help > About says hello.
;   scripts/try-example.sh sketchpad converts it into a web page.
KVX_Converter_SetProfile "Example"
Enumeration
  #Window
EndEnumeration
Enumeration
  #Canvas
  #RedLabel
  #RedBar
  #GreenLabel
  #GreenBar
  #BlueLabel
  #BlueBar
  #Preview
  #Sizes
  #Thin
  #Medium
  #Thick
  #Status
EndEnumeration
Enumeration
  #MenuClear
  #MenuQuit
  #MenuAbout
EndEnumeration

Global penColor = 0
Global penSize = 2
Global pressed = #False
Global lastX = 0
Global lastY = 0

Procedure ShowColor()
  penColor = RGB(GetGadgetState(#RedBar), GetGadgetState(#GreenBar), GetGadgetState(#BlueBar))
  If StartDrawing(CanvasOutput(#Preview))
    Box(0, 0, OutputWidth(), OutputHeight(), penColor)
    StopDrawing()
  EndIf
EndProcedure

Procedure ClearPage()
  If StartDrawing(CanvasOutput(#Canvas))
    Box(0, 0, OutputWidth(), OutputHeight(), RGB(255, 255, 255))
    StopDrawing()
  EndIf
EndProcedure

; A stroke from the last point to (x, y): round dots close together.
Procedure Stroke(x, y)
  If StartDrawing(CanvasOutput(#Canvas))
    dx = x - lastX
    dy = y - lastY
    steps = Abs(dx)
    If Abs(dy) > steps
      steps = Abs(dy)
    EndIf
    If steps = 0
      steps = 1
    EndIf
    For i = 1 To steps
      Circle(lastX + dx * i / steps, lastY + dy * i / steps, penSize, penColor)
    Next
    StopDrawing()
  EndIf
  lastX = x
  lastY = y
EndProcedure

Procedure CanvasEvent()
  x = GetGadgetAttribute(#Canvas, #PB_Canvas_MouseX)
  y = GetGadgetAttribute(#Canvas, #PB_Canvas_MouseY)
  Select EventType()
    Case #PB_EventType_LeftButtonDown
      pressed = #True
      lastX = x
      lastY = y
      Stroke(x, y)
    Case #PB_EventType_MouseMove
      If pressed
        Stroke(x, y)
      EndIf
      SetGadgetText(#Status, Str(x) + ", " + Str(y))
    Case #PB_EventType_LeftButtonUp
      pressed = #False
  EndSelect
EndProcedure

If OpenWindow(#Window, 0, 0, 520, 340, "Sketchpad", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  CreateMenu(0, WindowID(#Window))
  MenuTitle("&File")
  MenuItem(#MenuClear, "&Clear" + Chr(9) + "Ctrl+N")
  MenuBar()
  MenuItem(#MenuQuit, "&Quit")
  MenuTitle("&Help")
  MenuItem(#MenuAbout, "&About...")
  AddKeyboardShortcut(#Window, #PB_Shortcut_Control | #PB_Shortcut_N, #MenuClear)

  CanvasGadget(#Canvas, 10, 10, 360, 300, #PB_Canvas_Border)
  TextGadget(#RedLabel, 385, 10, 120, 18, "Red")
  TrackBarGadget(#RedBar, 380, 28, 130, 24, 0, 255)
  TextGadget(#GreenLabel, 385, 58, 120, 18, "Green")
  TrackBarGadget(#GreenBar, 380, 76, 130, 24, 0, 255)
  TextGadget(#BlueLabel, 385, 106, 120, 18, "Blue")
  TrackBarGadget(#BlueBar, 380, 124, 130, 24, 0, 255)
  CanvasGadget(#Preview, 385, 158, 120, 30, #PB_Canvas_Border)
  FrameGadget(#Sizes, 380, 200, 130, 100, "Pen", #PB_Frame_Container)
    OptionGadget(#Thin, 10, 20, 110, 20, "Thin")
    OptionGadget(#Medium, 10, 44, 110, 20, "Medium")
    OptionGadget(#Thick, 10, 68, 110, 20, "Thick")
  CloseGadgetList()
  TextGadget(#Status, 10, 316, 200, 18, "")

  SetGadgetState(#BlueBar, 160)
  SetGadgetState(#GreenBar, 60)
  SetGadgetState(#RedBar, 20)
  SetGadgetState(#Medium, 1)
  penSize = 4
  ShowColor()

  Repeat
    Event = WaitWindowEvent()
    If Event = #PB_Event_Gadget
      Gadget = EventGadget()
      If Gadget = #Canvas
        CanvasEvent()
      ElseIf Gadget = #RedBar Or Gadget = #GreenBar Or Gadget = #BlueBar
        ShowColor()
      ElseIf Gadget = #Thin
        penSize = 2
      ElseIf Gadget = #Medium
        penSize = 4
      ElseIf Gadget = #Thick
        penSize = 8
      EndIf
    ElseIf Event = #PB_Event_Menu
      Item = EventMenu()
      If Item = #MenuClear
        ClearPage()
      ElseIf Item = #MenuAbout
        MessageRequester("About", "Sketchpad, a PureBasic program in a web page.", #PB_MessageRequester_Info)
      ElseIf Item = #MenuQuit
        Event = #PB_Event_CloseWindow
      EndIf
    EndIf
  Until Event = #PB_Event_CloseWindow
EndIf
