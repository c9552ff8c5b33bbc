; A price list laid out with LSet and RSet
OpenConsole()
PrintN(LSet("Item", 10) + RSet("Price", 8))
PrintN(LSet("", 18, "-"))
PrintN(LSet("Coffee", 10) + RSet(StrF(2.5, 2), 8))
PrintN(LSet("Tea", 10) + RSet(StrF(1.75, 2), 8))
PrintN(LSet("Cake", 10, ".") + RSet(StrF(3, 2), 8, "."))
