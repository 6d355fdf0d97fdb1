// Small Win32 helpers for the helper program's Wine tests: starting programs, Wine's reg.exe,
// reading the registry and files directly, finding and answering windows, screenshots.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kv::helper::wine {

inline constexpr const char* kTestRoot = "C:\\kvhelper-test\\";

std::string BinDir();     // the folder of the test executable, ending in a backslash
std::string SystemDir();  // ending in a backslash

// Starts a program; the environment block (double-NUL terminated) replaces the inherited one when given.
HANDLE StartProgram(const std::string& commandLine, const std::string* environment = nullptr);
// Starts and waits; returns the exit code, or 0xFFFFFFFF when it did not start or end in time.
DWORD RunProgram(const std::string& commandLine, DWORD timeoutMs = 60000, const std::string* environment = nullptr);
bool WaitForExit(HANDLE process, DWORD timeoutMs);

// The current environment with TEMP and TMP set to `temp`, as a block for StartProgram.
std::string EnvironmentWithTemp(const std::string& temp);

// Wine's own reg.exe as the independent registry client; true when it reported success.
bool Reg(const std::string& arguments);

bool QueryValue(HKEY root, const std::string& subKey, const std::string& name, DWORD* type,
                std::vector<std::uint8_t>* data);
std::string QueryText(HKEY root, const std::string& subKey, const std::string& name);  // "" when absent
bool KeyExists(HKEY root, const std::string& subKey);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
void MakeDirectories(const std::string& path);
void RemoveTree(const std::string& path);

// Polls for a top-level window (pumping this thread's messages meanwhile); nullptr after the timeout.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs);
// The message text of a message box.
std::string MessageBoxText(HWND box);
// Presses a message box button (IDOK, IDYES, IDNO).
void PressButton(HWND box, int buttonId);

// Saves the screen as a BMP file (test artifact).
bool SaveScreenshot(const std::string& path);

}  // namespace kv::helper::wine
