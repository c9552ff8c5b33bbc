; Static variables of several types keep their type from the start
Procedure.q NextSerial()
  Static serial.q = 1000000
  serial + 1
  ProcedureReturn serial
EndProcedure

Procedure.d Smooth(value.f)
  ; answers the level before this reading
  Static level.f = 0.1
  previous.d = level
  level = level * 0.5 + value * 0.5
  ProcedureReturn previous
EndProcedure

Procedure.i Wheel()
  Static position.a = 254
  position + 1
  ProcedureReturn position
EndProcedure

Debug NextSerial()
Debug NextSerial()
Debug Smooth(1)
Debug Smooth(1)
Debug Wheel()
Debug Wheel()
Debug Wheel()
