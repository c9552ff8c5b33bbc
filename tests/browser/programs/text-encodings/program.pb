; A text in memory in PureBasic's formats: byte lengths, the blocks that
; Ascii(), UTF8() and PokeS() make, their bytes in hexadecimal, partial
; reads, comparisons, Base64 and a digest of the bytes
UseMD5Fingerprint()
OpenConsole()
Define text$ = "Gr" + Chr(246) + Chr(223) + "e " + Chr(8364) + "5"
Define *utf8 = UTF8(text$)
Define *ascii = Ascii(text$)
Define *wide = AllocateMemory(64)
Define i = 0
Define hex$ = ""
Define written = 0

PrintN("Characters: " + Str(Len(text$)))
PrintN("Bytes: Unicode " + Str(StringByteLength(text$)) + ", UTF-8 " + Str(StringByteLength(text$, #PB_UTF8)) + ", Ascii " + Str(StringByteLength(text$, #PB_Ascii)))
PrintN("Blocks: " + Str(MemorySize(*utf8)) + " and " + Str(MemorySize(*ascii)) + " bytes")
For i = 0 To StringByteLength(text$, #PB_UTF8) - 1
  hex$ = hex$ + RSet(Hex(PeekA(*utf8 + i)), 2, "0") + " "
Next
PrintN("UTF-8: " + RTrim(hex$))
If PeekS(*ascii, -1, #PB_Ascii) = "Gr" + Chr(246) + Chr(223) + "e ?5"
  PrintN("Ascii keeps the Latin letters and makes the euro a question mark")
EndIf

written = PokeS(*wide, text$)
If PeekS(*wide, 5) = Left(text$, 5)
  PrintN("Poked " + Str(written) + " bytes, " + Str(MemoryStringLength(*wide)) + " characters; the first five read back")
EndIf
PrintN("The first 4 UTF-8 bytes hold " + Str(Len(PeekS(*utf8, 4, #PB_UTF8 | #PB_ByteLength))) + " characters")

Select CompareMemoryString(UTF8("apple"), UTF8("Apple"), #PB_String_NoCase, -1, #PB_UTF8)
  Case #PB_String_Equal
    PrintN("Without case: equal")
  Default
    PrintN("Without case: different")
EndSelect
Select CompareMemoryString(UTF8("apple"), UTF8("Apple"), #PB_String_CaseSensitive, -1, #PB_UTF8)
  Case #PB_String_Greater
    PrintN("With case: greater")
  Case #PB_String_Lower
    PrintN("With case: lower")
EndSelect

PrintN("Base64: " + Base64Encoder(*utf8, StringByteLength(text$, #PB_UTF8)))
If Fingerprint(*utf8, StringByteLength(text$, #PB_UTF8), #PB_Cipher_MD5) = StringFingerprint(text$, #PB_Cipher_MD5)
  PrintN("Same digest for the block and the text")
EndIf
FreeMemory(*utf8)
FreeMemory(*ascii)
FreeMemory(*wide)
