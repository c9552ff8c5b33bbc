; What the Debug window shows for numbers: whole numbers, the shortest text
; of a double without an exponent, NaN and the infinities
Debug 42
Debug 1 / 3.0
Debug 0.1 + 0.2
Debug 123.5e-20
Debug Sqr(2)
Debug Abs(-3.14159)
Debug Int(10.565)
Debug NaN()
Debug Infinity()
Debug -Infinity()
Debug Log(0)
Debug "Sqr(-1) = " + StrD(Sqr(-1))
Debug IsNaN(Sqr(-1))
