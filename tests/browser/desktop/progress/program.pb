; A progress bar that a window timer fills in ten steps; Start begins
; again. The timer and the button call procedures bound to them.
Enumeration
  #Window
  #Bar
  #Label
  #Start
EndEnumeration
#Timer = 1

Global progress = 0

Procedure Tick()
  progress + 10
  SetGadgetState(#Bar, progress)
  SetGadgetText(#Label, Str(progress) + "%")
  Debug progress
  If progress >= 100
    RemoveWindowTimer(#Window, #Timer)
    SetGadgetText(#Label, "Done")
    DisableGadget(#Start, #False)
  EndIf
EndProcedure

Procedure StartProgress()
  progress = 0
  SetGadgetState(#Bar, 0)
  DisableGadget(#Start, #True)
  AddWindowTimer(#Window, #Timer, 40)
EndProcedure

If OpenWindow(#Window, 20, 20, 260, 100, "Progress", #PB_Window_SystemMenu)
  ProgressBarGadget(#Bar, 10, 10, 240, 20, 0, 100)
  TextGadget(#Label, 10, 44, 100, 20, "Ready")
  ButtonGadget(#Start, 150, 62, 100, 28, "Start")
  BindEvent(#PB_Event_Timer, @Tick(), #Window)
  BindGadgetEvent(#Start, @StartProgress())
  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf
