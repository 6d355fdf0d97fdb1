// The floor for the "/UNDOSCAN" benchmark: the least a program can do to produce the same profile —
// read the database file, read the same 900 values (each key opened once), write the file in one go.
//   floor_scan.exe DATABASE OUTPUT
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/helper/bench_catalogue.h"

namespace {

void Number(std::vector<unsigned char>& out, int v) {
  out.push_back(static_cast<unsigned char>(v & 0xFF));
  out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void Text(std::vector<unsigned char>& out, const std::string& t) {
  Number(out, static_cast<int>(t.size()));
  out.insert(out.end(), t.begin(), t.end());
}

std::string Capture(HKEY key, const kv::bench::BenchValue& v) {
  unsigned char data[4096];
  DWORD size = sizeof data;
  DWORD type = 0;
  if (!key || RegQueryValueExA(key, v.Name.c_str(), nullptr, &type, data, &size) != ERROR_SUCCESS)
    return v.Kind == 1 ? "989898" : "NoKey";
  if (v.Kind == 0) return std::string(reinterpret_cast<char*>(data), size ? size - 1 : 0);
  if (v.Kind == 1) return std::to_string(*reinterpret_cast<int*>(data));
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (DWORD i = 0; i < size; ++i) hex += {digits[data[i] >> 4], digits[data[i] & 15]};
  return hex;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::vector<unsigned char> database;
  if (std::FILE* f = std::fopen(argv[1], "rb")) {
    unsigned char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) database.insert(database.end(), buffer, buffer + got);
    std::fclose(f);
  }
  std::map<std::string, HKEY> keys;
  const std::vector<kv::bench::BenchValue> values = kv::bench::BenchValues();
  std::vector<unsigned char> out;
  for (std::size_t v = 0; v < values.size(); ++v) {
    if (v % 3 == 0) Number(out, 1 + static_cast<int>(v / 3) % 18), Number(out, 0);
    auto it = keys.find(values[v].SubKey);
    if (it == keys.end()) {
      HKEY key = nullptr;
      RegOpenKeyExA(HKEY_CURRENT_USER, values[v].SubKey.c_str(), 0, KEY_READ, &key);
      it = keys.emplace(values[v].SubKey, key).first;
    }
    Text(out, "HKEY_CURRENT_USER\\" + values[v].SubKey);
    Text(out, values[v].Name);
    Text(out, Capture(it->second, values[v]));
    Number(out, values[v].Kind);
    Number(out, 0);
  }
  for (auto& k : keys) {
    if (k.second) RegCloseKey(k.second);
  }
  Number(out, 0), Number(out, 0);
  for (int e = 0; e < 3; ++e) Text(out, ""), Text(out, ""), Text(out, ""), Number(out, 0), Number(out, 0);
  Number(out, 0), Number(out, 0);
  for (const char* marker : {"KORVN_PROF_FILE", "Montag, 7. Dez 2026#10:00", "900"}) {
    Text(out, marker), Text(out, ""), Text(out, ""), Number(out, 0), Number(out, 0);
  }
  std::FILE* f = std::fopen(argv[2], "wb");
  if (!f) return 1;
  std::fwrite(out.data(), 1, out.size(), f);
  std::fclose(f);
  return 0;
}
