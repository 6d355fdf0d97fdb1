// Reads what the floor check needs from a Windows program or library file (PE32 or PE32+): the
// machine, the system versions in its header, the functions it imports (plainly and delay-loaded)
// and the size of its static thread-local data. Portable: the file is only bytes here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv::floorcheck {

struct ImportedFunction {
  std::string Library;   // as the file names it, lower-cased ("kernel32.dll")
  std::string Function;  // the name, or "#<ordinal>" for an import by number
  bool Delayed = false;  // from the delay-load table
};

struct PeImage {
  std::uint16_t Machine = 0;  // 0x14C i386, 0x8664 x86-64
  bool Pe32Plus = false;      // 64-bit optional header
  bool IsLibrary = false;     // a DLL
  std::uint16_t OsMajor = 0, OsMinor = 0;
  std::uint16_t SubsystemMajor = 0, SubsystemMinor = 0;
  std::vector<ImportedFunction> Imports;
  // Bytes of static thread-local data: initialised template plus zero fill (0 without a TLS table).
  std::uint64_t TlsDataBytes = 0;
};

struct PeReadResult {
  bool Ok = false;
  std::string Error;  // why the bytes are not a readable image, when !Ok
  PeImage Image;
};

// Never throws on damaged input: every offset is checked against the data.
PeReadResult ReadPeImage(const std::vector<std::uint8_t>& bytes);

}  // namespace kv::floorcheck
