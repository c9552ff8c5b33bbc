a = 1
IncludeFile "inc.pbi"
XIncludeFile "lib\util.pbi"
xincludefile("lib\util.pbi")
IncludeFile "missing.pbi"
b = 2
