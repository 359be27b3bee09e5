// The Windows vocabulary of the Windows build: the system's own headers. The generic names of a few
// functions are macros that would rename the class layer's members of the same names; the program calls
// the ANSI functions by their full names, so the generic macros are dropped.
#pragma once

#include <windows.h>

#include <newdev.h>
#include <setupapi.h>
#include <shlwapi.h>
#include <winspool.h>

#undef CreateFont
#undef LoadBitmap
#undef LoadIcon
#undef MessageBox
#undef SetDlgItemText
