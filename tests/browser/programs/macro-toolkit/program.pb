; A program built on macros with parameters: expressions, statements over
; several lines, defaults, a macro that uses another, and procedures made
; by a macro whose names are glued together with #
Macro Square(x)
  ((x) * (x))
EndMacro
Macro Cube(x)
  (Square(x) * (x))
EndMacro
Macro Clamp(v, low = 0, high = 100)
  If v < low
    v = low
  ElseIf v > high
    v = high
  EndIf
EndMacro
Macro ShowValue(label, value)
  Debug label + ": " + Str(value)
EndMacro
Macro MakeGetter(name)
  Procedure Get#name()
    ProcedureReturn name#Value
  EndProcedure
EndMacro

Define level = 250, depth = -7, limit = 40
Global SpeedValue = 12, SizeValue = 3
MakeGetter(Speed)
MakeGetter(Size)
ShowValue("square of 7", Square(7))
ShowValue("square of 2 + 3", Square(2 + 3))
ShowValue("cube of 3", Cube(3))
Clamp(level)
Clamp(depth)
Clamp(limit, 50, 60)
ShowValue("level", level)
ShowValue("depth", depth)
ShowValue("limit", limit)
ShowValue("speed", GetSpeed())
ShowValue("size times 4", GetSize() * 4)
