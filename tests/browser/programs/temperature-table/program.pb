; A temperature table in single precision
OpenConsole()
PrintN("   C       F")
For c = -40 To 100 Step 20
  f.f = c * 9 / 5 + 32
  PrintN(RSet(Str(c), 4) + RSet(StrF(f, 1), 8))
Next
PrintN("   F       C  whole  nearest")
For fahr = 0 To 100 Step 25
  cel.f = (fahr - 32) * 5 / 9
  whole = (fahr - 32) * 5 / 9
  nearest = cel
  PrintN(RSet(Str(fahr), 4) + RSet(StrF(cel, 2), 8) + RSet(Str(whole), 7) + RSet(Str(nearest), 9))
Next
body.f = 98.6
Debug body
Debug StrF((body - 32) * 5 / 9, 1)
