x = 5
debug x
DEBUG x * 2
