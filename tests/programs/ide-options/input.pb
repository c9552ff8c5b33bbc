x = 1
y = 2 ; set y
; IDE Options = PureBasic 5.20 LTS (Windows - x86)
; CursorPosition = 1
; Folding = -
; EnableXP
