; A gradebook: scores read into a table, averages into an array the
; procedure sizes, students ranked by their average
Structure Student
  name.s
  average.d
  Array marks.i(0)
EndStructure

Procedure Averages(Array scores.i(2), Array avg.d(1))
  Dim avg(ArraySize(scores(), 1))
  For s = 0 To ArraySize(scores(), 1)
    sum = 0
    For t = 0 To ArraySize(scores(), 2)
      sum + scores(s, t)
    Next
    avg(s) = sum / (ArraySize(scores(), 2) + 1)
  Next
EndProcedure

OpenConsole()
Restore Grades
Read.i students
Read.i tests
Dim scores.i(students - 1, tests - 1)
Dim names.s(students - 1)
For s = 0 To students - 1
  Read.s names(s)
  For t = 0 To tests - 1
    Read.i scores(s, t)
  Next
Next
Dim avg.d(0)
Averages(scores(), avg())
PrintN("averages for " + Str(ArraySize(avg()) + 1) + " students")

Dim roll.Student(students - 1)
For s = 0 To students - 1
  roll(s)\name = names(s)
  roll(s)\average = avg(s)
  ReDim roll(s)\marks(tests - 1)
  For t = 0 To tests - 1
    roll(s)\marks(t) = scores(s, t)
  Next
Next
SortStructuredArray(roll(), #PB_Sort_Descending, OffsetOf(Student\average), TypeOf(Student\average))
For s = 0 To ArraySize(roll())
  line$ = Str(s + 1) + ". " + LSet(roll(s)\name, 6) + StrD(roll(s)\average, 2) + " :"
  For t = 0 To ArraySize(roll(s)\marks())
    line$ + " " + Str(roll(s)\marks(t))
  Next
  PrintN(line$)
Next

; the best mark of each test, and who got it
For t = 0 To tests - 1
  best = 0
  For s = 1 To students - 1
    If scores(s, t) > scores(best, t)
      best = s
    EndIf
  Next
  PrintN("test " + Str(t + 1) + ": " + names(best) + " with " + Str(scores(best, t)))
Next
Debug avg(0)
Debug ArraySize(roll(0)\marks())
Debug ArraySize(scores(), 2)

DataSection
  Grades:
  Data.i 4, 3
  Data.s "Mia"
  Data.i 72, 85, 90
  Data.s "Noah"
  Data.i 88, 91, 79
  Data.s "Olga"
  Data.i 65, 70, 81
  Data.s "Pete"
  Data.i 95, 60, 88
EndDataSection
