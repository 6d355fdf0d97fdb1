// Benchmark: korvnst.exe "/UNDOSCAN" of a 300-function catalogue touching 900 values, as a whole
// process, against the floor program (same registry reads, same file) run alternately in the same
// run. Prints the medians and their ratio (target: at most 1.3; exit code 1 when missed).
//   undoscan_bench.exe [ROUNDS]     (run under Wine: KV_BUILD_DIR=... tests/wine/kv-wine bin/undoscan_bench.exe)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/catalogue/catalogue_file.h"
#include "bench/helper/bench_catalogue.h"

namespace {

const char* kFolder = "C:\\kvbench";

std::string BinDir() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of('\\') + 1);
}

double RunMs(const std::string& commandLine) {
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::printf("cannot start %s\n", commandLine.c_str());
    std::exit(1);
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  QueryPerformanceCounter(&end);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void SetUpValues() {
  const std::vector<kv::bench::BenchValue> values = kv::bench::BenchValues();
  for (std::size_t v = 0; v < values.size(); ++v) {
    if (v % 10 == 9) continue;  // some values are absent, as on a real system
    HKEY key = nullptr;
    RegCreateKeyA(HKEY_CURRENT_USER, values[v].SubKey.c_str(), &key);
    const std::string text = "Text value " + std::to_string(v);
    const DWORD number = static_cast<DWORD>(v * 7919);
    const unsigned char bytes[8] = {1, 2, 3, static_cast<unsigned char>(v), 0, 0x0F, 0xF0, 0xFF};
    switch (values[v].Kind) {
      case 0: RegSetValueExA(key, values[v].Name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>(text.size() + 1)); break;
      case 1: RegSetValueExA(key, values[v].Name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
              break;
      default: RegSetValueExA(key, values[v].Name.c_str(), 0, REG_BINARY, bytes, sizeof bytes); break;
    }
    RegCloseKey(key);
  }
  HKEY product = nullptr;
  RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Quorbel\\Korvane2k", &product);
  const std::string app = std::string(kFolder) + "\\app";
  const DWORD count = kv::bench::kBenchFunctionCount;
  RegSetValueExA(product, "AppPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(app.c_str()),
                 static_cast<DWORD>(app.size() + 1));
  RegSetValueExA(product, "FktAnzahl", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count), 4);
  RegCloseKey(product);
  CreateDirectoryA(kFolder, nullptr);
  CreateDirectoryA(app.c_str(), nullptr);
  const std::vector<std::uint8_t> database = kv::EncodeFunctionFile(kv::bench::BenchCatalogue());
  if (std::FILE* f = std::fopen((app + "\\Korvn2k.fkt").c_str(), "wb")) {
    std::fwrite(database.data(), 1, database.size(), f);
    std::fclose(f);
  }
}

long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? static_cast<long>(data.nFileSizeLow) : -1;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 21;
  SetUpValues();
  const std::string helperOut = std::string(kFolder) + "\\helper.prf";
  const std::string floorOut = std::string(kFolder) + "\\floor.prf";
  const std::string helper = "\"" + BinDir() + "korvnst.exe\" /UNDOSCAN#" + helperOut;
  const std::string floor = "\"" + BinDir() + "floor_scan.exe\" " + kFolder + "\\app\\Korvn2k.fkt " + floorOut;
  RunMs(helper);  // warm-up: caches, wineserver
  RunMs(floor);
  std::vector<double> helperMs, floorMs;
  for (int i = 0; i < rounds; ++i) {
    helperMs.push_back(RunMs(helper));
    floorMs.push_back(RunMs(floor));
  }
  const long helperSize = FileSize(helperOut);
  const long floorSize = FileSize(floorOut);
  const long stampDifference = std::labs(helperSize - floorSize);
  std::printf("profile files: korvnst %ld bytes, floor %ld bytes\n", helperSize, floorSize);
  if (helperSize < 0 || stampDifference > 20) {
    std::printf("FAIL: the two programs did not write the same profile\n");
    return 1;
  }
  const double h = Median(helperMs), f = Median(floorMs);
  std::printf("/UNDOSCAN 300 functions, 900 values, %d rounds: korvnst %.1f ms, floor %.1f ms (medians)\n", rounds, h, f);
  const double ratio = h / f;
  std::printf("ratio korvnst/floor = %.2f (target <= 1.30)%s\n", ratio, ratio > 1.3 ? " MISSED" : "");
  return ratio > 1.3 ? 1 : 0;
}
