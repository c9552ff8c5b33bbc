; Truth values as text: 1 and 0
OpenConsole()
PrintN(Str(Bool(3 > 2)))
PrintN(StrF(Bool(2 > 3), 1))
bigger = Bool(10 > 5)
PrintN("stored: " + Str(bigger))
Debug Bool(1 = 2)
Debug Bool(2 = 2)
