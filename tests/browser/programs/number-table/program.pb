; A report of money, shares and scientific values, formatted with StrF,
; StrD, FormatNumber, LSet and RSet
OpenConsole()
PrintN(LSet("Item", 10) + RSet("Amount", 14) + RSet("Share", 9))
total.d = 0
Restore Items
For i = 1 To 4
  Read.s name$
  Read.d amount.d
  total + amount
Next
Restore Items
For i = 1 To 4
  Read.s name$
  Read.d amount.d
  PrintN(LSet(name$, 10) + RSet(FormatNumber(amount), 14) + RSet(StrD(amount * 100 / total, 1) + "%", 9))
Next
PrintN(LSet("Total", 10, "=") + RSet(FormatNumber(total), 14, "=") + RSet("100.0%", 9, "="))
PrintN("In euros: " + FormatNumber(total * 0.92, 2, ",", "."))
PrintN("")
PrintN("Light:    " + StrD(299792458.0, 0) + " m/s = " + FormatNumber(299792.458, 3) + " km/s")
PrintN("Planck:   " + StrD(6.62607015e-34, 40))
PrintN("Pi:       " + StrD(#PI) + " / " + StrD(#PI, 4) + " / " + StrF(#PI))
PrintN("e:        " + StrD(Exp(1), 15))
PrintN("1/3:      " + StrF(1 / 3.0) + " / " + StrD(1 / 3.0))
PrintN("Big:      " + StrD(1e22, 2))
PrintN("Small:    " + StrD(0.00001234))
PrintN("Rounded:  " + StrD(2.5, 0) + " " + StrD(-2.5, 0) + " " + StrD(0.125, 2) + " " + StrD(1.005, 2))
PrintN("Whole:    " + Str(2.5) + " " + Str(3.5) + " " + Str(-2.7) + " " + Hex(-1, #PB_Long) + " " + StrU(-1, #PB_Word))
PrintN("Special:  " + StrD(NaN()) + " / " + StrF(Infinity()) + " / " + StrD(-Infinity(), 2))

DataSection
  Items:
  Data.s "Rent"
  Data.d 1250
  Data.s "Food"
  Data.d 487.35
  Data.s "Travel"
  Data.d 2315.8
  Data.s "Books"
  Data.d 96.85
EndDataSection
