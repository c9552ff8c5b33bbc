; Asking in the console
OpenConsole()
Print("Your name: ")
name$ = Input()
Print("Your age: ")
age = Val(Input())
PrintN("Hello " + name$ + ", next year you will be " + Str(age + 1) + ".")
