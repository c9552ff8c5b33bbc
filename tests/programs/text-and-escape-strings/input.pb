; Größe ≥ 5 €, 日本
s$ = ~"Tab\there"
Debug ~"say \"hi\"\\"
path$ = ~"C:\\temp\\" + "D:\new"
n = '€' + 'é'
t$ = "日本" ; ≥
