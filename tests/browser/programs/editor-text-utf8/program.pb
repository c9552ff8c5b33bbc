; A price list typed in the IDE and converted straight from its editor
OpenConsole()
PrintN("Preisliste für Café Müller")
PrintN(LSet("Artikel", 12) + RSet("Preis", 10))
Restore Prices
For i = 1 To 3
  Read.s item$
  Read.d price.d
  PrintN(LSet(item$, 12, ".") + RSet(FormatNumber(price, 2, ",", ".") + " €", 10))
Next
Debug "Grüße, 日本"

DataSection
  Prices:
  Data.s "Crêpe"
  Data.d 4.5
  Data.s "Käsekuchen"
  Data.d 3.25
  Data.s "Café au lait"
  Data.d 1250
EndDataSection
