// <windows.h> for the Win32 platform files, without the macros that would
// rename the platform's own operations: MoveFile, DeleteFile and CopyFile
// stand for the A or W function there. The Windows functions are called by
// their W names (MoveFileW, ...), and ::ReadFile / ::WriteFile are written
// with "::" where a member of the same name is in scope.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef MoveFile
#undef DeleteFile
#undef CopyFile
