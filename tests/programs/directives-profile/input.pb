KVX_Converter_SetProfile "Intranet"
x = 1
