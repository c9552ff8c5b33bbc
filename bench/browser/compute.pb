; Benchmark: integer and array work as PureBasic programs do it. Each Debug
; line gives the milliseconds of a part; the results come last.
;   Collatz lengths of 1 to 300,000 (/ and % in a While loop)
;   digit sums of 1 to 3,000,000 (nested loops with / and %)
;   a sieve of Eratosthenes over 10,000,000 elements (.a array)
;   a matrix product of 300 x 300 doubles
start = ElapsedMilliseconds()
best = 0 : bestN = 0
For n = 1 To 300000
  x = n : steps = 0
  While x <> 1
    If x % 2 = 0
      x / 2
    Else
      x = 3 * x + 1
    EndIf
    steps + 1
  Wend
  If steps > best : best = steps : bestN = n : EndIf
Next
Debug ElapsedMilliseconds() - start

start = ElapsedMilliseconds()
total = 0
For n = 1 To 3000000
  m = n
  While m > 0
    total + m % 10
    m / 10
  Wend
Next
Debug ElapsedMilliseconds() - start

start = ElapsedMilliseconds()
#Limit = 10000000
Dim composite.a(#Limit)
primes = 0
For i = 2 To #Limit
  If composite(i) = 0
    primes + 1
    j = i * i
    While j <= #Limit
      composite(j) = 1
      j + i
    Wend
  EndIf
Next
Debug ElapsedMilliseconds() - start

start = ElapsedMilliseconds()
#Size = 299
Dim a.d(#Size, #Size) : Dim b.d(#Size, #Size) : Dim c.d(#Size, #Size)
For i = 0 To #Size
  For j = 0 To #Size
    a(i, j) = i + j
    b(i, j) = i - j
  Next
Next
For i = 0 To #Size
  For j = 0 To #Size
    sum.d = 0
    For k = 0 To #Size
      sum + a(i, k) * b(k, j)
    Next
    c(i, j) = sum
  Next
Next
Debug ElapsedMilliseconds() - start

Debug bestN
Debug total
Debug primes
Debug c(10, 20)
