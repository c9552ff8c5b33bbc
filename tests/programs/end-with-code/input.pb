If OpenConsole() = 0 : End 1 : EndIf
PrintN("hi")
End 1 ; failure
End
