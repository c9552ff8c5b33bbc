; shortcut statements that JavaScript writes as *=, %=, &= and /=
x = 100
x * 3
x % 7
x & 5
d.d = 10
d * 2
d / 4
