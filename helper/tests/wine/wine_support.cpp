// Win32 helpers of the helper program's Wine tests (see wine_support.h).
#include "helper/tests/wine/wine_support.h"

#include "tests/wine/screen_bitmap.h"

#include <cstdio>
#include <cstring>

namespace kv::helper::wine {

std::string BinDir() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of('\\') + 1);
}

std::string SystemDir() {
  char path[MAX_PATH] = {};
  GetSystemDirectoryA(path, MAX_PATH);
  return std::string(path) + "\\";
}

HANDLE StartProgram(const std::string& commandLine, const std::string* environment) {
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  void* block = environment ? const_cast<char*>(environment->data()) : nullptr;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, block, nullptr, &startup, &process))
    return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

bool WaitForExit(HANDLE process, DWORD timeoutMs) {
  const DWORD end = GetTickCount() + timeoutMs;
  for (;;) {
    const DWORD now = GetTickCount();
    const DWORD left = static_cast<LONG>(end - now) > 0 ? end - now : 0;
    const DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) return true;
    if (r != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}

DWORD RunProgram(const std::string& commandLine, DWORD timeoutMs, const std::string* environment) {
  HANDLE process = StartProgram(commandLine, environment);
  if (!process) return 0xFFFFFFFF;
  DWORD code = 0xFFFFFFFF;
  if (WaitForExit(process, timeoutMs)) GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code;
}

std::string EnvironmentWithTemp(const std::string& temp) {
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* p = strings; *p; p += std::strlen(p) + 1) {
    const std::string entry(p);
    if (_strnicmp(p, "TEMP=", 5) == 0 || _strnicmp(p, "TMP=", 4) == 0) continue;
    block += entry;
    block += '\0';
  }
  FreeEnvironmentStringsA(strings);
  block += "TEMP=" + temp + '\0' + "TMP=" + temp + '\0';
  block += '\0';
  return block;
}

// reg.exe is a separate Wine process: on a loaded machine its start has been seen to fail once in a
// long run, so a failed call is tried a second time (and reported when that fails too).
bool Reg(const std::string& arguments) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const DWORD code = RunProgram(SystemDir() + "reg.exe " + arguments);
    if (code == 0) return true;
    std::fprintf(stderr, "reg.exe %s: exit code %lu\n", arguments.c_str(), static_cast<unsigned long>(code));
    Sleep(200);
  }
  return false;
}

bool QueryValue(HKEY root, const std::string& subKey, const std::string& name, DWORD* type,
                std::vector<std::uint8_t>* data) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  bool ok = RegQueryValueExA(key, name.c_str(), nullptr, type, nullptr, &size) == ERROR_SUCCESS;
  if (ok) {
    data->assign(size, 0);
    ok = RegQueryValueExA(key, name.c_str(), nullptr, type, size ? data->data() : nullptr, &size) == ERROR_SUCCESS;
    data->resize(size);
  }
  RegCloseKey(key);
  return ok;
}

std::string QueryText(HKEY root, const std::string& subKey, const std::string& name) {
  DWORD type = 0;
  std::vector<std::uint8_t> data;
  if (!QueryValue(root, subKey, name, &type, &data)) return std::string();
  std::string text(data.begin(), data.end());
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

bool KeyExists(HKEY root, const std::string& subKey) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    std::uint8_t buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
    std::fclose(f);
  }
  return bytes;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

void MakeDirectories(const std::string& path) {
  for (std::size_t pos = path.find('\\', 3); ; pos = path.find('\\', pos + 1)) {
    CreateDirectoryA(path.substr(0, pos).c_str(), nullptr);
    if (pos == std::string::npos) break;
  }
}

void RemoveTree(const std::string& path) {
  std::string dir = path;
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = dir + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(dir.c_str());
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND found = FindWindowA(className, title)) return found;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
}

std::string MessageBoxText(HWND box) {
  char text[2048] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

void PressButton(HWND box, int buttonId) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

bool SaveScreenshot(const std::string& path) { return kv::screenshots::SaveScreenBitmap(path); }

}  // namespace kv::helper::wine
