; The everyday string functions
text$ = "PureBasic Programming"
Debug Len(text$)
Debug Left(text$, 4)
Debug Right(text$, 11)
Debug Mid(text$, 5, 5)
Debug Mid(text$, 11)
Debug UCase(text$)
Debug LCase(text$)
Debug ReverseString("stressed")
Debug "[" + Trim("   padded   ") + "]"
Debug "[" + LTrim("   padded   ") + "]"
Debug "[" + RTrim("   padded   ") + "]"
Debug Asc("A")
Debug Chr(66)
Debug "[" + Space(3) + "]"
