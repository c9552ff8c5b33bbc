Macro Twice(x)
  x*2
EndMacro
y = Twice(3)
MacroTable()
z = 1
EndMacro
w = 2
