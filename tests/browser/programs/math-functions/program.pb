; Math functions; float results are kept in integer variables or
; written with a fixed number of decimals
n = Sqr(144) : Debug n
n = Pow(2, 8) : Debug n
n = Abs(-12) : Debug n
Debug Int(7.9)
Debug Int(-7.9)
n = Round(2.5, #PB_Round_Nearest) : Debug n
n = Round(-2.5, #PB_Round_Nearest) : Debug n
n = Round(2.2, #PB_Round_Up) : Debug n
n = Round(2.8, #PB_Round_Down) : Debug n
n = Sign(-3) : Debug n
n = Mod(17, 5) : Debug n
Debug StrF(Sqr(2), 4)
Debug StrD(#PI, 6)
Debug StrF(Degree(#PI / 2), 1)
Debug StrF(Sin(Radian(30)), 2)
