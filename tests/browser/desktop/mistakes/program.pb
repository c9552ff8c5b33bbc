; Mistakes the PureBasic debugger stops a program on: a gadget that was
; never made, a window closed twice, drawing without StartDrawing. The page
; names each one in the Debug area and the program goes on.
OpenWindow(0, 10, 10, 200, 100, "Mistakes")
SetGadgetText(5, "no such gadget")
Debug "after the gadget"
CloseWindow(0)
CloseWindow(0)
Debug "after the window"
Box(0, 0, 10, 10)
Debug "after the drawing"
OpenWindow(1, 10, 10, 200, 100, "Still here")
ButtonGadget(1, 10, 10, 100, 24, "Press")
Repeat
  Event = WaitWindowEvent()
  If Event = #PB_Event_Gadget
    Debug "pressed"
  EndIf
Until Event = #PB_Event_CloseWindow
