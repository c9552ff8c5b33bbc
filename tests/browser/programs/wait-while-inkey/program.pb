; Waiting for a key with While ... Wend; the key is kept
OpenConsole()
PrintN("Total: " + Str(17 + 25))
key$ = ""
While key$ = ""
  key$ = Inkey()
Wend
While Inkey() = "" : Wend
PrintN("Key code: " + Str(Asc(key$)))
