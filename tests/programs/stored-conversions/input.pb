; a value stored into a variable takes the variable's type
Define.b b
Define.a a
Define.w w
Define.u u
Define.c c
Define.l l
Define.f f
Define.d d
Define.q q
b = 127
b = 128
b = -129
a = 255
a = 256
a = -1
w = 32768
u = 65536
c = -1
l = 2147483648
b = b + 1
a = a - 1
w = w * 2
u = u + 1
l = l + 1
i = 2.4999
i = 2.5
i = 2.5001
i = 3.5
i = -2.5
i = Int(2.5001)
b = 127.6
f = 0.1
d = f
f = d
f = 1 / 3
f = f * 2
d = f * 2
q = 5
q = i * 3
q = q * q
i = q
d = q
q = 2.5
l = q
