x = 1
Structure Bag
count.l
List items.s()
EndStructure
