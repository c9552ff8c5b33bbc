mask = %1010
low = mask % 4
high = %1 + $F
