// Registry benchmark (Windows build, run under Wine): throughput of the registry access layer's
// RegReadString / RegReadDword / RegWriteString against a floor loop of the raw advapi32 calls on the
// same values (open + query/set + close), measured side by side in one run and printed as ratios.
// Target: the layer takes at most 1.3 times the floor.
//   KV_BUILD_DIR=$PWD/build/win KV_PREFIX=bench tests/wine/kv-wine build/win/bin/registry_bench.exe [iterations]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/catalogue/registry.h"
#include "app/catalogue/win32_registry_store.h"

namespace {

const char kSubKey[] = "Software\\KorvaneBench";
const std::string kKeyPath = std::string("HKEY_CURRENT_USER\\") + kSubKey;
constexpr double kTarget = 1.3;

double Seconds(const std::function<void()>& body, int iterations) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < iterations; ++i) body();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Alternates layer and floor rounds and keeps the best round of each, so both see the same conditions.
double Ratio(const char* name, const std::function<void()>& layer, const std::function<void()>& floor,
             int iterations) {
  double bestLayer = 1e30, bestFloor = 1e30;
  for (int round = 0; round < 5; ++round) {
    bestFloor = std::min(bestFloor, Seconds(floor, iterations));
    bestLayer = std::min(bestLayer, Seconds(layer, iterations));
  }
  const double ratio = bestLayer / bestFloor;
  std::printf("%-16s layer %8.2f us/op   floor %8.2f us/op   ratio %.2f\n", name, bestLayer * 1e6 / iterations,
              bestFloor * 1e6 / iterations, ratio);
  return ratio;
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;
  kv::Win32RegistryStore store;
  kv::Registry registry(store);
  registry.RegWriteString(kKeyPath, "Text", "C:\\WINNT\\System32\\drivers\\etc");
  registry.RegWriteDword(kKeyPath, "Number", 400);
  registry.RegWriteString(kKeyPath, "Other", std::string(120, 'x'));

  volatile std::size_t sink = 0;
  const std::string written = "written by the benchmark";

  auto rawRead = [&](const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSubKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
      BYTE buffer[512];
      DWORD size = sizeof(buffer), type = 0;
      if (RegQueryValueExA(key, name, nullptr, &type, buffer, &size) == ERROR_SUCCESS) sink = sink + size;
      RegCloseKey(key);
    }
  };

  std::printf("registry benchmark, %d operations per round, best of 5 rounds\n", iterations);
  double worst = 0;
  worst = std::max(worst, Ratio("RegReadString", [&] { sink = sink + registry.RegReadString(kKeyPath, "Text", "").size(); },
                                [&] { rawRead("Text"); }, iterations));
  worst = std::max(worst, Ratio("RegReadDword", [&] { sink = sink + registry.RegReadDword(kKeyPath, "Number", 0); },
                                [&] { rawRead("Number"); }, iterations));
  worst = std::max(worst, Ratio("RegWriteString", [&] { sink = sink + registry.RegWriteString(kKeyPath, "Out", written); },
                                [&] {
                                  HKEY key = nullptr;
                                  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSubKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
                                    sink = sink + (RegSetValueExA(key, "Out", 0, REG_SZ,
                                                                  reinterpret_cast<const BYTE*>(written.c_str()),
                                                                  static_cast<DWORD>(written.size() + 1)) == ERROR_SUCCESS);
                                    RegCloseKey(key);
                                  }
                                }, iterations));
  registry.RegDelete(kKeyPath, "");
  std::printf("worst ratio %.2f, target <= %.2f: %s\n", worst, kTarget, worst <= kTarget ? "met" : "NOT met");
  return worst <= kTarget ? 0 : 1;
}
