; quads are exact 64-bit integers
Define.q q, r
q = 9223372036854775807
q + 1
r = q / 3 % 7
r = q << 2
r = q & $FF
r = ~q
i = 5
r = q * i + 1
d.d = q / 2
If q > i
  i = q
EndIf
Debug q
