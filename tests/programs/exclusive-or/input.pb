a = 5
b = 3
x = a XOr b
g = n ! (n >> 1)
ok = Not a
