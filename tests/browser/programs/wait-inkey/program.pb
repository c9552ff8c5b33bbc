; Waiting for a key without resting in between
OpenConsole()
PrintN("Working...")
PrintN("Done.")
Repeat
Until Inkey() <> ""
PrintN("Bye")
