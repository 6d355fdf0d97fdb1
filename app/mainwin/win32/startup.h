// The start-up of the main program, in order: language, paths, screen, system kind, title, single
// instance, splash and password gate, catalogue, Internet menu, main window; then the message loop and,
// as the very last act, the helper command chosen at exit.
#pragma once

#include <windows.h>

namespace kv {

int RunMainProgram(HINSTANCE instance);

}  // namespace kv
