; Shortcut statements on variables of every type keep the variable's type
OpenConsole()
b.b = 100 : b + 50
a.a = 250 : a + 10
w.w = 32000 : w * 2
u.u = 10 : u - 20
c.c = 65 : c << 10
l.l = 2147483647 : l + 1
i.i = 2147483647 : i + 1
q.q = 1 : q << 40
PrintN("b " + Str(b) + ", a " + Str(a) + ", w " + Str(w) + ", u " + Str(u))
PrintN("c " + Str(c) + ", l " + Str(l) + ", i " + Str(i) + ", q " + Str(q))
f.f = 1.5 : f * 3
d.d = 10 : d / 4
n = 10 : n / 4
r = 7 : r * 1.5
PrintN("f " + StrF(f, 2) + ", d " + StrD(d, 2) + ", n " + Str(n) + ", r " + Str(r))
t.s + "x"
t.s + "y"
s$ = "ab" : s$ + "cd" + t
PrintN(s$)
b - 30 : b / 2
a ! $F0
w >> 4
l - 1 : l % 1000
q - 1 : q % 1000
PrintN("b " + Str(b) + ", a " + Str(a) + ", w " + Str(w) + ", l " + Str(l) + ", q " + Str(q))
