; Number bases: Hex, Bin, Val and hexadecimal literals
Debug Hex(255)
Debug Hex(48879)
Debug Hex(-1)
Debug Hex(-1, #PB_Long)
Debug Bin(10)
Debug Bin(255, #PB_Byte)
Debug Val("$FF")
Debug Val("%1010")
Debug Val("42 apples")
Debug Val("apples")
Debug $10 + 1
mask = $F0
Debug mask
