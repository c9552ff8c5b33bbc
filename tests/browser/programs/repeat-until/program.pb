; Repeat ... Until: the digits of a number
n = 12345
sum = 0
Repeat
  sum + n % 10
  n = n / 10
Until n = 0
Debug sum
