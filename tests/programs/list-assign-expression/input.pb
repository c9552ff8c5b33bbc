NewList items.s()
AddElement(items())
items() = "a"
AddElement(items())
items() = Str(2) + "b" ; two
items() = items() + "!"
items() = -1
