; A settings dialog on the console: the settings come from a preference
; file (defaults the first time), the user may change them, and they are
; saved for the next start; the file is shown as PureBasic writes it
OpenConsole()
Define name$ = ""
Define width = 0
Define volume.f = 0
Define theme$ = ""
Define runs = 0
Define answer$ = ""

If OpenPreferences("settings.prefs") = 0
  PrintN("First start: default settings")
EndIf
PreferenceGroup("User")
name$ = ReadPreferenceString("Name", "guest")
runs = ReadPreferenceInteger("Runs", 0)
PreferenceGroup("Window")
width = ReadPreferenceInteger("Width", 640)
theme$ = ReadPreferenceString("Theme", "light")
volume = ReadPreferenceFloat("Volume", 0.5)
ClosePreferences()

runs = runs + 1
PrintN("Run " + Str(runs) + " for " + name$)
PrintN("Width " + Str(width) + ", theme " + theme$ + ", volume " + StrF(volume, 2))

Print("Name [" + name$ + "]: ")
answer$ = Input()
If answer$ <> ""
  name$ = answer$
EndIf
Print("Width [" + Str(width) + "]: ")
answer$ = Input()
If answer$ <> ""
  width = Val(answer$)
EndIf
Print("Theme [" + theme$ + "]: ")
answer$ = Input()
If answer$ <> ""
  theme$ = answer$
EndIf

If CreatePreferences("settings.prefs")
  PreferenceComment("Settings of the demo")
  PreferenceGroup("User")
  WritePreferenceString("Name", name$)
  WritePreferenceInteger("Runs", runs)
  PreferenceGroup("Window")
  WritePreferenceInteger("Width", width)
  WritePreferenceString("Theme", theme$)
  WritePreferenceFloat("Volume", volume)
  ClosePreferences()
  PrintN("Saved")
EndIf

If ReadFile(0, "settings.prefs")
  If ReadStringFormat(0) = #PB_UTF8
    PrintN("UTF-8 with a byte-order mark")
  EndIf
  While Eof(0) = 0
    PrintN("| " + ReadString(0))
  Wend
  CloseFile(0)
EndIf
