NewList items()
NewMap scores()
AddElement(items())
items() = 1
scores("a") = 2
ForEach items()
Debug items()
Next
forEach scores()
Debug scores()
Next
