; Counting words with a map; reading a missing key creates it with 0
NewMap counts()
text$ = "the quick fox and the lazy dog and the cat"
words = CountString(text$, " ") + 1
For i = 1 To words
  word$ = StringField(text$, i, " ")
  counts(word$) + 1
Next
Debug "Different words: " + Str(MapSize(counts()))
Debug "the: " + Str(counts("the"))
Debug "and: " + Str(counts("and"))
Debug "fox: " + Str(counts("fox"))
Debug "owl: " + Str(counts("owl"))
Debug "After reading owl: " + Str(MapSize(counts()))
