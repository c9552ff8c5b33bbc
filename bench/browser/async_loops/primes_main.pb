; A computing loop of the main code: the primes below 2,000,000 by trial
; division, a For with a While inside. A last Delay makes the main code wait.
count = 0
For n = 2 To 2000000
  prime = 1
  d = 2
  While d * d <= n
    If n % d = 0
      prime = 0
      Break
    EndIf
    d + 1
  Wend
  count + prime
Next
Delay(0)
Debug count
