; Changing strings: replace, remove, insert, find
s$ = "The cat sat on the mat"
Debug ReplaceString(s$, "at", "og")
Debug RemoveString(s$, "the ")
Debug RemoveString(s$, "the ", #PB_String_NoCase)
Debug InsertString("Hello World", ",", 6)
Debug FindString(s$, "at")
Debug FindString(s$, "at", 7)
Debug FindString(s$, "dog")
Debug CountString(s$, "at")
