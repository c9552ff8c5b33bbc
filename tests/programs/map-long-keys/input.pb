NewMap count()
NewMap names.s()
count("a" + "b") = 2
count(word) = count(word) + 1
n = count(Str(k))
n = count(names(1))
count() = n * 2
