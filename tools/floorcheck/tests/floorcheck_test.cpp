// The floor check on images made here byte by byte: what it reports for a library that breaks the
// floor in every way at once, delay-loaded imports, damaged files, and the list's own errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tools/floorcheck/floor_rules.h"
#include "tools/floorcheck/pe_image.h"

namespace kv::floorcheck {
namespace {

struct Import {
  std::string Library;
  std::vector<std::string> Functions;
};

// A minimal PE32 (or PE32+) image: headers, one section at RVA 0x1000 / file offset 0x200 holding
// the import table, the delay import table and the TLS table.
struct ImageLayout {
  std::uint16_t Machine = 0x14C;
  bool Wide = false;
  bool Library = true;
  std::uint16_t Subsystem[2] = {4, 0};
  std::uint32_t TlsBytes = 8;
  std::vector<Import> Imports;
  std::vector<Import> Delayed;
};

class Builder {
 public:
  std::vector<std::uint8_t> Make(const ImageLayout& layout) {
    bytes_.assign(0x200, 0);
    section_.clear();
    const int width = layout.Wide ? 8 : 4;
    // Import descriptors first (20 bytes each, plus the empty one), then the delay descriptors (32).
    const std::uint32_t importTable = Put(std::vector<std::uint8_t>((layout.Imports.size() + 1) * 20, 0));
    const std::uint32_t delayTable = Put(std::vector<std::uint8_t>((layout.Delayed.size() + 1) * 32, 0));
    for (std::size_t i = 0; i < layout.Imports.size(); ++i) {
      const std::uint32_t names = NameTable(layout.Imports[i].Functions, width);
      Set(importTable + i * 20 + 0, names, 4);
      Set(importTable + i * 20 + 12, Text(layout.Imports[i].Library), 4);
      Set(importTable + i * 20 + 16, names, 4);
    }
    for (std::size_t i = 0; i < layout.Delayed.size(); ++i) {
      Set(delayTable + i * 32 + 0, 1, 4);  // relative addresses
      Set(delayTable + i * 32 + 4, Text(layout.Delayed[i].Library), 4);
      Set(delayTable + i * 32 + 16, NameTable(layout.Delayed[i].Functions, width), 4);
    }
    const std::uint32_t tls = Put(std::vector<std::uint8_t>(width * 4 + 8, 0));
    Set(tls, 0x10000, width);
    Set(tls + width, 0x10000 + layout.TlsBytes, width);

    // Headers.
    Set32(0, 0x5A4D, 2);
    Set32(0x3C, 0x80, 4);
    Set32(0x80, 0x4550, 4);
    Set32(0x84, layout.Machine, 2);
    Set32(0x86, 1, 2);  // one section
    const std::uint32_t optionalSize = layout.Wide ? 240 : 224;
    Set32(0x94, optionalSize, 2);
    Set32(0x96, layout.Library ? 0x2102 : 0x0102, 2);
    const std::uint32_t opt = 0x98;
    Set32(opt, layout.Wide ? 0x20B : 0x10B, 2);
    Set32(opt + 40, 4, 2);
    Set32(opt + 48, layout.Subsystem[0], 2);
    Set32(opt + 50, layout.Subsystem[1], 2);
    Set32(opt + (layout.Wide ? 108 : 92), 16, 4);
    const std::uint32_t dirs = opt + (layout.Wide ? 112 : 96);
    Set32(dirs + 1 * 8, 0x1000 + importTable, 4);
    Set32(dirs + 9 * 8, 0x1000 + tls, 4);
    if (!layout.Delayed.empty()) Set32(dirs + 13 * 8, 0x1000 + delayTable, 4);
    const std::uint32_t sec = opt + optionalSize;
    Set32(sec + 8, static_cast<std::uint32_t>(section_.size()), 4);
    Set32(sec + 12, 0x1000, 4);
    Set32(sec + 16, static_cast<std::uint32_t>(section_.size()), 4);
    Set32(sec + 20, 0x200, 4);
    bytes_.insert(bytes_.end(), section_.begin(), section_.end());
    return bytes_;
  }

 private:
  std::uint32_t Put(const std::vector<std::uint8_t>& data) {
    const auto at = static_cast<std::uint32_t>(section_.size());
    section_.insert(section_.end(), data.begin(), data.end());
    return at;
  }
  std::uint32_t Text(const std::string& s) {  // RVA of a NUL-terminated text
    std::vector<std::uint8_t> data(s.begin(), s.end());
    data.push_back(0);
    return 0x1000 + Put(data);
  }
  std::uint32_t NameTable(const std::vector<std::string>& functions, int width) {
    std::vector<std::uint32_t> hints;
    for (const std::string& f : functions) {
      std::vector<std::uint8_t> data = {0, 0};
      data.insert(data.end(), f.begin(), f.end());
      data.push_back(0);
      hints.push_back(0x1000 + Put(data));
    }
    const std::uint32_t table = Put(std::vector<std::uint8_t>((functions.size() + 1) * width, 0));
    for (std::size_t i = 0; i < hints.size(); ++i) Set(table + static_cast<std::uint32_t>(i) * width, hints[i], width);
    return 0x1000 + table;
  }
  void Set(std::uint32_t at, std::uint64_t v, int width) {  // in the section
    for (int i = 0; i < width; ++i) section_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  void Set32(std::uint32_t at, std::uint32_t v, int width) {  // in the headers
    for (int i = 0; i < width; ++i) bytes_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }

  std::vector<std::uint8_t> bytes_, section_;
};

FloorList Floor() {
  return ParseFloorList(
      "# comment\n"
      "kernel32.dll!CloseHandle  Win32 SDK, CloseHandle: Windows NT 3.1 or later\n"
      "KERNEL32.DLL!Sleep  Win32 SDK, Sleep\n"
      "user32.dll!GetWindowLongA  Win32 SDK\n");
}

TEST(FloorCheck, AcceptsAnImageOnTheFloorAndNamesEveryBreach) {
  ImageLayout good;
  good.Imports = {{"KERNEL32.dll", {"CloseHandle", "Sleep"}}, {"USER32.dll", {"GetWindowLongA"}}};
  const PeReadResult read = ReadPeImage(Builder().Make(good));
  ASSERT_TRUE(read.Ok) << read.Error;
  EXPECT_EQ(read.Image.Imports.size(), 3u);
  EXPECT_TRUE(FloorViolations(read.Image, Floor()).empty());

  // Someone adds a call to an XP function, builds 64-bit, raises the subsystem and adds
  // thread_local data to a library: every one is reported.
  ImageLayout bad = good;
  bad.Machine = 0x8664;
  bad.Wide = true;
  bad.Subsystem[0] = 5;
  bad.Subsystem[1] = 1;
  bad.TlsBytes = 24;
  bad.Imports[0].Functions.push_back("GetModuleHandleExA");
  const PeReadResult badRead = ReadPeImage(Builder().Make(bad));
  ASSERT_TRUE(badRead.Ok) << badRead.Error;
  const std::vector<std::string> problems = FloorViolations(badRead.Image, Floor());
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_NE(problems[0].find("PE32, i386"), std::string::npos);
  EXPECT_NE(problems[1].find("subsystem version 5.1"), std::string::npos);
  EXPECT_NE(problems[2].find("24 bytes"), std::string::npos);
  EXPECT_NE(problems[3].find("kernel32.dll!GetModuleHandleExA"), std::string::npos);

  // A program may have static thread-local data (the loader gives it its block at start).
  bad = good;
  bad.Library = false;
  bad.TlsBytes = 64;
  EXPECT_TRUE(FloorViolations(ReadPeImage(Builder().Make(bad)).Image, Floor()).empty());
}

TEST(FloorCheck, DelayLoadedImportsCountToo) {
  ImageLayout layout;
  layout.Imports = {{"KERNEL32.dll", {"Sleep"}}};
  layout.Delayed = {{"SHELL32.dll", {"SHGetFolderPathA"}}};
  const PeReadResult read = ReadPeImage(Builder().Make(layout));
  ASSERT_TRUE(read.Ok) << read.Error;
  const std::vector<std::string> problems = FloorViolations(read.Image, Floor());
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("shell32.dll!SHGetFolderPathA (delay-loaded)"), std::string::npos);
}

TEST(FloorCheck, DamagedFilesAreReportedNotCrashedOn) {
  ImageLayout layout;
  layout.Imports = {{"KERNEL32.dll", {"CloseHandle", "Sleep"}}};
  layout.Delayed = {{"WINMM.dll", {"sndPlaySoundA"}}};
  const std::vector<std::uint8_t> image = Builder().Make(layout);
  for (std::size_t length = 0; length < image.size(); ++length) {
    const PeReadResult read = ReadPeImage(std::vector<std::uint8_t>(image.begin(), image.begin() + length));
    if (length < 0x200) {
      EXPECT_FALSE(read.Ok) << length;  // headers or section cut
    }
    if (!read.Ok) {
      EXPECT_FALSE(read.Error.empty());
    }
  }
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> damaged = image;
    for (int flips = 1 + round % 4; flips > 0; --flips) damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
    const PeReadResult read = ReadPeImage(damaged);
    if (read.Ok) FloorViolations(read.Image, Floor());
  }
}

TEST(FloorCheck, ListLinesNeedAnEntryAndASource) {
  const FloorList list = ParseFloorList("kernel32.dll!Sleep\nSleep  no library\nuser32.dll!  x\n\n  # fine\n");
  ASSERT_EQ(list.Errors.size(), 3u);
  EXPECT_EQ(list.Errors[0], "line 1: kernel32.dll!Sleep has no source");
  EXPECT_EQ(list.Errors[1], "line 2: not dll!Function: Sleep");
  EXPECT_TRUE(list.Allowed.empty());
}

}  // namespace
}  // namespace kv::floorcheck
