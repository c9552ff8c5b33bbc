; Shortcut statements on keyed map elements and on the current element
NewMap stock()
stock("apple") = 10
stock("pear") = 4
stock("plum") = 7
stock("apple") + 5
stock("pear") - 1
stock("plum") * 3
stock("kiwi") + 2
stock("apple") / 4
stock("pear") % 2
stock("plum") & 15
stock("kiwi") | 8
stock("apple") ! 1
stock("pear") << 5
stock("plum") >> 1
Debug "apple " + Str(stock("apple")) + ", pear " + Str(stock("pear")) + ", plum " + Str(stock("plum")) + ", kiwi " + Str(stock("kiwi"))
ForEach stock()
  stock() + 100
  total + stock()
Next
Debug "after the delivery: " + Str(total) + " in " + Str(MapSize(stock())) + " kinds"

; counting letters: a new key starts at 0
NewMap letters()
text$ = "mississippi"
For i = 1 To Len(text$)
  k$ = Mid(text$, i, 1)
  letters(k$) + 1
Next
Debug "s: " + Str(letters("s")) + ", i: " + Str(letters("i")) + ", p: " + Str(letters("p")) + ", m: " + Str(letters("m"))

NewMap names.s()
names("greeting") = "Hello"
names("greeting") + ", world"
Debug names("greeting")
