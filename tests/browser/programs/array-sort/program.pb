; Sorting arrays of numbers and strings
Dim numbers(5)
numbers(0) = 42
numbers(1) = 7
numbers(2) = 19
numbers(3) = 3
numbers(4) = 25
numbers(5) = 11
SortArray(numbers(), #PB_Sort_Ascending)
line$ = ""
For i = 0 To 5
  line$ + Str(numbers(i)) + " "
Next
Debug Trim(line$)
SortArray(numbers(), #PB_Sort_Descending)
Debug numbers(0)
Dim names$(3)
names$(0) = "pear"
names$(1) = "Apple"
names$(2) = "banana"
names$(3) = "cherry"
SortArray(names$(), #PB_Sort_Ascending)
For i = 0 To 3
  Debug names$(i)
Next
SortArray(names$(), #PB_Sort_Ascending | #PB_Sort_NoCase)
Debug names$(0) + " " + names$(1)
