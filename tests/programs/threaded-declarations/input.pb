Threaded th = 4
Threaded.s name
th + 1
