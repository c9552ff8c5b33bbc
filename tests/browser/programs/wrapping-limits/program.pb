; Every integer type at its limits: values that do not fit wrap around
OpenConsole()
b.b = 127 : b + 1
PrintN(".b 127 + 1 = " + Str(b))
b = -128 : b - 1
PrintN(".b -128 - 1 = " + Str(b))
a.a = 255 : a + 1
PrintN(".a 255 + 1 = " + Str(a))
a = 0 : a - 1
PrintN(".a 0 - 1 = " + Str(a))
w.w = 32767 : w + 1
PrintN(".w 32767 + 1 = " + Str(w))
w = -32768 : w - 1
PrintN(".w -32768 - 1 = " + Str(w))
u.u = 65535 : u + 1
PrintN(".u 65535 + 1 = " + Str(u))
c.c = 0 : c - 1
PrintN(".c 0 - 1 = " + Str(c))
l.l = 2147483647 : l + 1
PrintN(".l 2147483647 + 1 = " + Str(l))
l = -2147483648 : l - 1
PrintN(".l -2147483648 - 1 = " + Str(l))
q.q = 9223372036854775807 : q + 1
PrintN(".q top + 1 = " + Str(q))
q - 1
PrintN(".q bottom - 1 = " + Str(q))
b = 200 : a = -1 : w = 40000 : u = -1 : l = 3000000000 : c = 65536 + 65
PrintN("200 " + Str(b) + ", -1 " + Str(a) + ", 40000 " + Str(w) + ", -1 " + Str(u) + ", 3000000000 " + Str(l) + ", 65601 " + Str(c))
b = ~%1000
l = $80000000 << 1
PrintN("~%1000 " + Str(b) + ", $80000000 << 1 " + Str(l))
; a byte counter that runs around
For k = 1 To 300
  tick.a + 1
Next
PrintN("300 ticks: " + Str(tick))
big = 2147483647
big + 1
PrintN(".i keeps " + Str(big))
small.b = -128
small * -1
PrintN("-(-128) as a byte: " + Str(small))
