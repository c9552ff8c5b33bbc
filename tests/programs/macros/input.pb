Macro Square(x) : ((x) * (x)) : EndMacro
Macro Show(text, suffix = "!")
  Debug text + suffix ; shown with its suffix
  count + 1
EndMacro
Macro Join(a, b) : a#b : EndMacro
Macro Again() : Again() + 1 : EndMacro
y = Square(n + 1)
Show("hi")
Show("deep", "?")
Debug Join(Str, (5))
z = Again()
MacroTable()
EndMacro
UndefineMacro Square
w = Square(2)
