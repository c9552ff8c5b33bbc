DataSection
Logo:
IncludeBinary "img/logo.png"
LogoEnd:
IncludeBinary("other.png")
EndDataSection
x = 1
