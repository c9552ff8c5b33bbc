Structure Point
x.l
EndStructure
NewMap scores()
NewMap names.s()
NewMap pts.Point()
pts("a")\x = 3
scores(who) = 12
scores("Ann") = 10
n = scores(who)
scores() = 4
n = scores()
n = MapSize(scores())
k = MapKey(scores())
found = FindMapElement(scores(), "Ann")
AddMapElement(scores(), "Bob")
n = Scores("Ann")
