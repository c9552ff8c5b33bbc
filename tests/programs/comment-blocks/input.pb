a = 1
  
KVX_Converter_Begin_Comment
b = 2
KVX_Converter_End_Comment
c = 3
; KVX_Converter_Begin_Comment
kvx_CONVERTER_begin_comment
d = 4
KVX_Converter_ End_Comment
	e = 5
KVX_Converter_End_Comment
f = 6
KVX_Converter_Begin_Comment
never = 7
