; Numbers formatted for people
Debug FormatNumber(1234567.891)
Debug FormatNumber(1234567.891, 0)
Debug FormatNumber(0.5)
Debug FormatNumber(-9876.5, 1)
Debug FormatNumber(1234.5, 2, ",", ".")
Debug StrD(1234.5678, 2)
Debug StrD(0.125, 3)
Debug StrU(-1, #PB_Byte)
