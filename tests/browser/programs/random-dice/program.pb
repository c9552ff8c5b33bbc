; Dice rolls stay between 1 and 6, and every face comes up
Dim seen(6)
For i = 1 To 6
  seen(i) = 0
Next
outside = 0
For i = 1 To 1000
  roll = Random(6, 1)
  If roll < 1 Or roll > 6
    outside + 1
  Else
    seen(roll) = seen(roll) + 1
  EndIf
Next
Debug "Outside: " + Str(outside)
faces = 0
For i = 1 To 6
  If seen(i) > 0
    faces + 1
  EndIf
Next
Debug "Faces seen: " + Str(faces)
