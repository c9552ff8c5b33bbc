; A to-do list: type a task and Add it (or press Return), select one and
; Remove it; the menu adds, removes, clears the list or quits. Every action
; is a procedure bound to its gadget or menu item.
Enumeration
  #Window
EndEnumeration
Enumeration
  #Task
  #Add
  #Remove
  #List
  #Count
EndEnumeration
Enumeration
  #MenuAdd
  #MenuRemove
  #MenuClear
  #MenuQuit
EndEnumeration

Global quit = #False

Procedure ShowCount()
  SetGadgetText(#Count, Str(CountGadgetItems(#List)) + " task(s)")
EndProcedure

Procedure AddTask()
  task$ = Trim(GetGadgetText(#Task))
  If task$ <> ""
    AddGadgetItem(#List, -1, task$)
    SetGadgetText(#Task, "")
    Debug "Added " + task$
    ShowCount()
  EndIf
  SetActiveGadget(#Task)
EndProcedure

Procedure RemoveTask()
  index = GetGadgetState(#List)
  If index >= 0
    Debug "Removed " + GetGadgetItemText(#List, index)
    RemoveGadgetItem(#List, index)
    ShowCount()
  EndIf
EndProcedure

Procedure ClearTasks()
  ClearGadgetItems(#List)
  Debug "Cleared"
  ShowCount()
EndProcedure

Procedure QuitProgram()
  quit = #True
EndProcedure

If OpenWindow(#Window, 0, 0, 320, 262, "To do", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  CreateMenu(0, WindowID(#Window))
  MenuTitle("&File")
  MenuItem(#MenuClear, "&Clear all")
  MenuBar()
  MenuItem(#MenuQuit, "&Quit")
  MenuTitle("&Edit")
  MenuItem(#MenuAdd, "&Add" + Chr(9) + "Return")
  MenuItem(#MenuRemove, "&Remove")

  StringGadget(#Task, 10, 10, 200, 24, "")
  ButtonGadget(#Add, 220, 10, 90, 24, "Add")
  ListViewGadget(#List, 10, 44, 200, 180)
  ButtonGadget(#Remove, 220, 44, 90, 24, "Remove")
  TextGadget(#Count, 10, 234, 200, 20, "")
  ShowCount()

  AddKeyboardShortcut(#Window, #PB_Shortcut_Return, #MenuAdd)
  BindGadgetEvent(#Add, @AddTask())
  BindGadgetEvent(#Remove, @RemoveTask())
  BindMenuEvent(0, #MenuAdd, @AddTask())
  BindMenuEvent(0, #MenuRemove, @RemoveTask())
  BindMenuEvent(0, #MenuClear, @ClearTasks())
  BindMenuEvent(0, #MenuQuit, @QuitProgram())
  SetActiveGadget(#Task)

  Repeat
    Event = WaitWindowEvent()
  Until Event = #PB_Event_CloseWindow Or quit
  Debug "Bye"
EndIf
