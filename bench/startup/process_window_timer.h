// Starts a program and times, with the performance counter, how long it takes until a window of it
// is on screen; finds, pokes and closes the windows of such a program for the start-up benchmark.
#pragma once

#include <windows.h>

#include <string>

namespace kvbench {

double NowMs();

// A started program. `Start` records the moment just before CreateProcess.
struct StartedProgram {
  PROCESS_INFORMATION Process{};
  double StartMs = 0;
  bool Running() const { return Process.hProcess != nullptr; }
};

StartedProgram StartProgram(const std::string& commandLine, const std::string& folder);

// First visible top-level window of the process with that class and a non-empty title.
HWND FindShownWindow(DWORD processId, const std::string& windowClass);

// Waits (polling every millisecond) until such a window exists; returns its moment in ms, or a
// negative number after `limitMs`. *window receives the window; *firstMs (optional) the moment a shown
// window of `firstClass` was first seen (a splash window, for instance).
double WaitForShownWindow(const StartedProgram& program, const std::string& windowClass, double limitMs, HWND* window,
                          const std::string& firstClass = std::string(), double* firstMs = nullptr);

// Waits until the process has no visible top-level window of that class (e.g. the splash).
bool WaitUntilGone(const StartedProgram& program, const std::string& windowClass, double limitMs);

// Asks the window to close, waits for the process to end (ends it by force after `limitMs`).
// False when it had to be forced.
bool CloseProgram(StartedProgram& program, HWND window, double limitMs);

// Text of a window of another process (read without sending it a message).
std::string WindowText(HWND window);

// First descendant of `parent` with that class.
HWND FindChildByClass(HWND parent, const std::string& windowClass);

}  // namespace kvbench
