KVX_Converter_DoNotCopy
kvx_converter_setprofile
a = 1
Debug "x"
