; Constants of the program's own
#Width = 640
#Height = 480
#Title$ = "My Window"
Debug #Title$
Debug #Width * #Height
Debug #Width / 2
If #Width > #Height
  Debug "landscape"
EndIf
