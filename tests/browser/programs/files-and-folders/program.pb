; Folders and files of the page: made, listed with ExamineDirectory,
; copied, renamed, deleted, and the parts of a path
Procedure ListFolder(folder$, dots)
  Protected entry$ = ""
  If ExamineDirectory(0, folder$, "*.*")
    While NextDirectoryEntry(0)
      entry$ = DirectoryEntryName(0)
      If dots Or (entry$ <> "." And entry$ <> "..")
        If DirectoryEntryType(0) = #PB_DirectoryEntry_Directory
          PrintN(entry$ + ": <dir>")
        Else
          PrintN(entry$ + ": " + Str(DirectoryEntrySize(0)))
        EndIf
      EndIf
    Wend
    FinishDirectory(0)
  EndIf
EndProcedure

OpenConsole()
Define i = 0
Define count = 0
Define total = 0
Define path$ = "projects/old/notes3.txt"

If CreateDirectory("projects")
  PrintN("Made projects")
EndIf
CreateDirectory("projects\old")
For i = 1 To 3
  If CreateFile(0, "projects\notes" + Str(i) + ".txt")
    WriteString(0, LSet("", i * 10, "x"))
    CloseFile(0)
  EndIf
Next
If CreateFile(0, "projects\readme.md")
  WriteStringN(0, "# Projects")
  CloseFile(0)
EndIf
ListFolder("projects", 1)

If ExamineDirectory(1, "projects", "*.txt")
  While NextDirectoryEntry(1)
    count = count + 1
    total = total + DirectoryEntrySize(1)
  Wend
  FinishDirectory(1)
EndIf
PrintN("Text files: " + Str(count) + " with " + Str(total) + " bytes")

PrintN("Copied: " + Str(CopyFile("projects/notes1.txt", "projects/old/notes1.bak")) + ", renamed: " + Str(RenameFile("projects/notes3.txt", "projects/old/notes3.txt")) + ", deleted: " + Str(DeleteFile("projects/notes2.txt")))
ListFolder("projects", 0)
PrintN("In old:")
ListFolder("projects/old", 0)
PrintN("Path: " + GetPathPart(path$) + ", file: " + GetFilePart(path$) + ", name: " + GetFilePart(path$, #PB_FileSystem_NoExtension) + ", extension: " + GetExtensionPart(path$))
PrintN("Removed: " + Str(DeleteDirectory("projects", "", #PB_FileSystem_Recursive)) + ", size now " + Str(FileSize("projects")))
