; A drawing on a canvas: a house under the sun. A click puts a small yellow
; star where it lands and tells what it hit.
Enumeration
  #Window
  #Canvas
  #Info
EndEnumeration

Procedure DrawHouse()
  If StartDrawing(CanvasOutput(#Canvas))
    Box(0, 0, 300, 200, RGB(200, 230, 255))
    Box(0, 150, 300, 50, RGB(60, 160, 60))
    Box(100, 90, 100, 60, RGB(200, 60, 40))
    LineXY(90, 90, 150, 40, RGB(80, 40, 20))
    LineXY(150, 40, 210, 90, RGB(80, 40, 20))
    LineXY(90, 90, 210, 90, RGB(80, 40, 20))
    FillArea(150, 70, RGB(80, 40, 20), RGB(120, 70, 30))
    Box(135, 115, 30, 35, RGB(90, 50, 20))
    Circle(250, 40, 20, RGB(255, 220, 0))
    DrawingMode(#PB_2DDrawing_Transparent)
    DrawText(10, 10, "Home", RGB(0, 0, 0))
    StopDrawing()
  EndIf
EndProcedure

Procedure.s NameOf(color)
  Select color
    Case RGB(200, 230, 255)
      ProcedureReturn "sky"
    Case RGB(60, 160, 60)
      ProcedureReturn "grass"
    Case RGB(200, 60, 40)
      ProcedureReturn "wall"
    Case RGB(120, 70, 30)
      ProcedureReturn "roof"
    Case RGB(90, 50, 20)
      ProcedureReturn "door"
    Case RGB(255, 220, 0)
      ProcedureReturn "sun"
  EndSelect
  ProcedureReturn "something else"
EndProcedure

Procedure Star(x, y)
  If StartDrawing(CanvasOutput(#Canvas))
    hit$ = NameOf(Point(x, y))
    Circle(x, y, 3, RGB(255, 255, 0))
    StopDrawing()
    Debug "Click at " + Str(x) + "," + Str(y) + ": " + hit$
    SetGadgetText(#Info, "You clicked the " + hit$ + ".")
  EndIf
EndProcedure

If OpenWindow(#Window, 20, 20, 300, 230, "Drawing", #PB_Window_SystemMenu)
  CanvasGadget(#Canvas, 0, 0, 300, 200)
  TextGadget(#Info, 10, 206, 280, 20, "Click the picture.")
  DrawHouse()
  Repeat
    Event = WaitWindowEvent()
    If Event = #PB_Event_Gadget And EventGadget() = #Canvas
      If EventType() = #PB_EventType_LeftClick
        Star(GetGadgetAttribute(#Canvas, #PB_Canvas_MouseX), GetGadgetAttribute(#Canvas, #PB_Canvas_MouseY))
      EndIf
    EndIf
  Until Event = #PB_Event_CloseWindow
EndIf
