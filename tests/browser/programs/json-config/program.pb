; A JSON configuration mapped onto a structure, changed, and written back
Structure Window
  x.i
  y.i
  width.i
  height.i
EndStructure

Structure Config
  title$
  fullscreen.i
  volume.d
  main.Window
EndStructure

OpenConsole()
Define cfg.Config
Define text$ = "{'title': 'Space Rocks', 'fullscreen': 1, 'volume': 0.75, 'main': {'x': 100, 'y': 50, 'width': 800, 'height': 600}, 'unused': [1, 2]}"
text$ = ReplaceString(text$, "'", #DQUOTE$)

If ParseJSON(0, text$)
  ExtractJSONStructure(JSONValue(0), @cfg, Config)
  PrintN("Title: " + cfg\title$)
  PrintN("Fullscreen: " + Str(cfg\fullscreen))
  PrintN("Volume: " + StrD(cfg\volume, 2))
  PrintN("Window: " + Str(cfg\main\width) + "x" + Str(cfg\main\height) + " at " + Str(cfg\main\x) + "," + Str(cfg\main\y))
  PrintN("Members: " + Str(JSONObjectSize(JSONValue(0))))
  FreeJSON(0)
Else
  PrintN("Error: " + JSONErrorMessage())
EndIf

cfg\volume = 0.5
cfg\main\width = 1024
If CreateJSON(1)
  InsertJSONStructure(JSONValue(1), @cfg, Config)
  PrintN(ComposeJSON(1))
  FreeJSON(1)
EndIf

If ParseJSON(2, ReplaceString("{'title': 'x',, }", "'", #DQUOTE$)) = 0
  PrintN("Broken at line " + Str(JSONErrorLine()) + ", position " + Str(JSONErrorPosition()) + ": " + JSONErrorMessage())
EndIf
