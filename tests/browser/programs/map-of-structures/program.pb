; A map of structures: stock of a shop
Structure Item
  price.i
  count.i
EndStructure

NewMap stock.Item()
stock("apple")\price = 30
stock("apple")\count = 12
stock("pear")\price = 45
stock("pear")\count = 4
AddMapElement(stock(), "plum")
stock()\price = 20
stock()\count = 50

value = 0
ForEach stock()
  value + stock()\price * stock()\count
  Debug MapKey(stock()) + ": " + Str(stock()\count)
Next
Debug "Value: " + Str(value)
