; JSON built from a list and a map, an array of objects read back into a
; list of structures, its members walked, changed and pretty printed
Structure Item
  name$
  qty.i
EndStructure

OpenConsole()
NewList fruits.s()
NewMap stock.i()
NewList order.Item()
Define i = 0
Define root = 0
Define element = 0
Define text$ = ""

For i = 1 To 3
  AddElement(fruits())
  fruits() = StringField("apple,pear,plum", i, ",")
Next
stock("apple") = 12
stock("pear") = 0
stock("plum") = 7

If CreateJSON(0)
  root = SetJSONObject(JSONValue(0))
  SetJSONString(AddJSONMember(root, "shop"), "Corner")
  SetJSONBoolean(AddJSONMember(root, "open"), #True)
  InsertJSONList(AddJSONMember(root, "fruits"), fruits())
  InsertJSONMap(AddJSONMember(root, "stock"), stock())
  PrintN(ComposeJSON(0))
  PrintN("Plums in stock: " + Str(GetJSONInteger(GetJSONMember(GetJSONMember(root, "stock"), "plum"))))
  FreeJSON(0)
EndIf

text$ = ReplaceString("[{'name': 'apple', 'qty': 3}, {'name': 'plum', 'qty': 5}, {'name': 'fig'}]", "'", #DQUOTE$)
If ParseJSON(1, text$)
  ExtractJSONList(JSONValue(1), order())
  ForEach order()
    PrintN(order()\name$ + " x " + Str(order()\qty))
  Next
  element = GetJSONElement(JSONValue(1), 0)
  If ExamineJSONMembers(element)
    While NextJSONMember(element)
      Select JSONType(JSONMemberValue(element))
        Case #PB_JSON_String
          PrintN(JSONMemberKey(element) + " is a text")
        Case #PB_JSON_Number
          PrintN(JSONMemberKey(element) + " is a number")
      EndSelect
    Wend
  EndIf
  PrintN("Items: " + Str(JSONArraySize(JSONValue(1))))
  element = AddJSONElement(JSONValue(1))
  SetJSONObject(element)
  SetJSONString(AddJSONMember(element, "name"), "kiwi")
  SetJSONInteger(AddJSONMember(element, "qty"), 2)
  RemoveJSONElement(JSONValue(1), 0)
  PrintN(ComposeJSON(1, #PB_JSON_PrettyPrint))
EndIf
