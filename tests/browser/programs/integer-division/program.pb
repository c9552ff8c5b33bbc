; Dividing integers keeps the whole part
a = 7
b = 2
Debug a / b
Debug 10 / 3
c = 17 / 5
Debug c
Debug a % b
