total = 0
total + 1 : name$ = "dir" + #CRLF$
Bool(a > b)
