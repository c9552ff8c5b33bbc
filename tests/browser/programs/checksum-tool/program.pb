; A checksum tool: fingerprints of a text, of a file and of a memory block
; in steps, a salted password check, and Base64 there and back
UseMD5Fingerprint()
UseSHA1Fingerprint()
UseSHA2Fingerprint()
UseSHA3Fingerprint()
UseCRC32Fingerprint()
OpenConsole()
Define text$ = "The quick brown fox jumps over the lazy dog"
PrintN("MD5:      " + StringFingerprint(text$, #PB_Cipher_MD5))
PrintN("SHA1:     " + StringFingerprint(text$, #PB_Cipher_SHA1))
PrintN("SHA256:   " + StringFingerprint(text$, #PB_Cipher_SHA2))
PrintN("SHA512:   " + Left(StringFingerprint(text$, #PB_Cipher_SHA2, 512), 32) + "...")
PrintN("SHA3-256: " + StringFingerprint(text$, #PB_Cipher_SHA3, 256))
PrintN("CRC32:    " + StringFingerprint(text$, #PB_Cipher_CRC32))

; the text written to a file has the same digest
If CreateFile(0, "fox.txt")
  WriteString(0, text$)
  CloseFile(0)
EndIf
If FileFingerprint("fox.txt", #PB_Cipher_MD5) = StringFingerprint(text$, #PB_Cipher_MD5)
  PrintN("File and text agree (" + Str(FileSize("fox.txt")) + " bytes)")
EndIf
PrintN("Missing file: [" + FileFingerprint("nofile.txt", #PB_Cipher_MD5) + "]")

Define salt$ = "k9"
Define stored$ = StringFingerprint(salt$ + "secret", #PB_Cipher_SHA2)
Define attempt$ = ""
Define i = 0
For i = 1 To 2
  attempt$ = StringField("guess,secret", i, ",")
  If StringFingerprint(salt$ + attempt$, #PB_Cipher_SHA2) = stored$
    PrintN(attempt$ + ": accepted")
  Else
    PrintN(attempt$ + ": rejected")
  EndIf
Next
PrintN("Stored: " + Left(stored$, 16))

Define *buffer = UTF8(text$)
If StartFingerprint(1, #PB_Cipher_CRC32)
  AddFingerprintBuffer(1, *buffer, 10)
  AddFingerprintBuffer(1, *buffer + 10, 33)
  PrintN("CRC32 in two steps: " + FinishFingerprint(1))
EndIf

Define encoded$ = Base64Encoder(*buffer, 43)
PrintN("Base64: " + encoded$)
Define *decoded = AllocateMemory(64)
Define size = Base64Decoder(encoded$, *decoded, 64)
PrintN("Decoded " + Str(size) + " bytes: " + PeekS(*decoded, size, #PB_UTF8 | #PB_ByteLength))
FreeMemory(*buffer)
FreeMemory(*decoded)
