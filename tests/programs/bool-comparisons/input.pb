a = 2
b = 2
ok = Bool(a = b)
ok = Bool(a <> b And (a => 1 Or b = 0))
n = Bool(a = b) + 1
