; 53-bit bit operations as operands of other operations and stored into small types
a = 12
b = 5
c = 3
x = a | b & c
x = a ! b << c
y = a << 1 / 3
Define.c ch
ch << 10
Define.l l
l = a << 20
