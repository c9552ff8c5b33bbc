KVX_Converter_Begin_Comment
hidden = 1
KVX_Converter_End_Comment
Macro Half(v)
  v / 2
EndMacro
  u = 3
