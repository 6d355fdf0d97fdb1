// Test helper (Windows build): runs the system's own reg.exe as an independent registry client and
// returns what it printed, so engine effects are checked by a program other than ours.
#pragma once

#include <windows.h>

#include <string>

namespace kv::test {

// Runs "<system folder>\reg.exe <arguments>" hidden, waits, and returns its standard output.
inline std::string RunRegExe(const std::string& arguments, DWORD* exitCode = nullptr) {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  std::string command = "\"" + std::string(system) + "\\reg.exe\" " + arguments;

  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return std::string();
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process = {};
  std::string output;
  if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                     &process)) {
    CloseHandle(writeEnd);
    writeEnd = nullptr;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 30000);
    if (exitCode != nullptr) GetExitCodeProcess(process.hProcess, exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  if (writeEnd != nullptr) CloseHandle(writeEnd);
  CloseHandle(readEnd);
  return output;
}

// The data column of "reg query KEY /v NAME" for one value: {type, data}; empty type when absent.
inline std::pair<std::string, std::string> QueryWithRegExe(const std::string& key, const std::string& name) {
  const std::string output = RunRegExe("query \"" + key + "\" /v \"" + name + "\"");
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::string line = output.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    // "    NAME    REG_TYPE    DATA"
    const size_t nameAt = line.find_first_not_of(' ');
    if (nameAt == std::string::npos || line.compare(nameAt, name.size(), name) != 0) continue;
    const size_t typeAt = line.find("REG_", nameAt + name.size());
    if (typeAt == std::string::npos) continue;
    const size_t typeEnd = line.find(' ', typeAt);
    std::string type = line.substr(typeAt, typeEnd - typeAt);
    std::string data;
    if (typeEnd != std::string::npos) {
      const size_t dataAt = line.find_first_not_of(' ', typeEnd);
      if (dataAt != std::string::npos) data = line.substr(dataAt);
    }
    return {type, data};
  }
  return {};
}

}  // namespace kv::test
