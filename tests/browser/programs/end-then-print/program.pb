; End at the top level of the program
OpenConsole()
PrintN("before End")
Debug "debug before End"
End
PrintN("after End")
Debug "debug after End"
