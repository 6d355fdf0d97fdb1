// kvfloor: checks built Windows files against the NT 4.0 floor.
//   kvfloor LIST FILE...   prints each file's violations; exit 0 when every file keeps the floor,
//                          1 when one breaks it, 2 on a usage, list or file error.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/floorcheck/floor_rules.h"
#include "tools/floorcheck/pe_image.h"

using namespace kv::floorcheck;

namespace {
bool ReadFile(const char* path, std::vector<std::uint8_t>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: kvfloor LIST FILE...\n");
    return 2;
  }
  std::vector<std::uint8_t> listBytes;
  if (!ReadFile(argv[1], listBytes)) {
    std::fprintf(stderr, "kvfloor: cannot read %s\n", argv[1]);
    return 2;
  }
  const FloorList floor = ParseFloorList(std::string(listBytes.begin(), listBytes.end()));
  for (const std::string& e : floor.Errors) std::fprintf(stderr, "%s: %s\n", argv[1], e.c_str());
  if (!floor.Errors.empty()) return 2;

  int result = 0;
  for (int i = 2; i < argc; ++i) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFile(argv[i], bytes)) {
      std::fprintf(stderr, "kvfloor: cannot read %s\n", argv[i]);
      result = 2;
      continue;
    }
    const PeReadResult read = ReadPeImage(bytes);
    if (!read.Ok) {
      std::printf("%s: FAIL: %s\n", argv[i], read.Error.c_str());
      if (result == 0) result = 1;
      continue;
    }
    const std::vector<std::string> problems = FloorViolations(read.Image, floor);
    for (const std::string& p : problems) std::printf("%s: FAIL: %s\n", argv[i], p.c_str());
    if (problems.empty()) {
      std::printf("%s: ok (%zu imports on the NT 4.0 list)\n", argv[i], read.Image.Imports.size());
    } else if (result == 0) {
      result = 1;
    }
  }
  return result;
}
