// The library's module handle and window classes, the language offset from the product key, and its
// string table.
#pragma once

#include <windows.h>

#include <string>

namespace kvdlg {

// The module that contains this code (korvndlg.dll, or a test program linking the code directly).
HINSTANCE LibraryModule();

// Reads the "Language" DWORD under HKEY_LOCAL_MACHINE\Software\Quorbel\Korvane2k (default 0)
// and returns 0 (German) or 1000 (English). Called at the start of every dialog.
int ReadLanguageOffset();

// Registers a window class of the library once (later calls do nothing); false when it failed.
bool RegisterLibraryClass(const char* name, WNDPROC procedure, HBRUSH background);

// Text number id + offset of the library's string table (empty when missing).
std::string LibraryText(int id, int languageOffset);

}  // namespace kvdlg
