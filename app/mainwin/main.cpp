// Entry of the main program korvn2k.exe. The program takes no arguments.
#include <windows.h>

#include "app/mainwin/win32/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return kv::RunMainProgram(instance); }
