Dim
Dim b(5
x = b(1)
Dim a(
