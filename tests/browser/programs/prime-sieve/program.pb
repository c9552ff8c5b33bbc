; The sieve of Eratosthenes
#Limit = 50
Dim composite(#Limit)
For i = 2 To #Limit
  If Not composite(i)
    For j = i * i To #Limit Step i
      composite(j) = #True
    Next
  EndIf
Next
primes$ = ""
For i = 2 To #Limit
  If Not composite(i)
    primes$ + Str(i) + " "
  EndIf
Next
Debug Trim(primes$)
