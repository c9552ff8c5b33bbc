; Printing records with With ... EndWith
Structure Book
  title.s
  author.s
  year.i
  copies.i
EndStructure

NewList books.Book()

Procedure AddBook(title$, author$, year, copies)
  AddElement(books())
  With books()
    \title = title$
    \author = author$
    \year = year
    \copies = copies
  EndWith
EndProcedure

AddBook("Dune", "Herbert", 1965, 2)
AddBook("Emma", "Austen", 1815, 1)
AddBook("Ubik", "Dick", 1969, 0)

Define total = 0
ForEach books()
  With books()
    \copies + 1
    total + \copies
    If \year < 1900
      Debug \title + " by " + \author + " (" + Str(\year) + "), a classic, " + Str(\copies) + " copies"
    Else
      Debug \title + " by " + \author + " (" + Str(\year) + "), " + Str(\copies) + " copies"
    EndIf
  EndWith
Next
Debug "copies in all: " + Str(total)

Define best.Book
With best
  \title = "Solaris"
  \year = 1961
EndWith
Debug best\title + " " + Str(best\year)
