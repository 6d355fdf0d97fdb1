// PE file reading for the floor check (see pe_image.h). The layout of Microsoft's PE/COFF format:
// DOS header, "PE\0\0", file header, optional header with data directories,
// section table; import (1), TLS (9) and delay import (13) directories.
#include "tools/floorcheck/pe_image.h"

#include <cctype>
#include <utility>

namespace kv::floorcheck {

namespace {

constexpr std::size_t kMaxDescriptors = 4096;  // far more libraries than any real file imports
constexpr std::size_t kMaxThunks = 65536;
constexpr std::size_t kMaxName = 512;

class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  bool Has(std::uint64_t offset, std::uint64_t size) const {
    return offset <= bytes_.size() && size <= bytes_.size() - offset;
  }
  std::uint64_t U(std::uint64_t offset, int size) const {  // little-endian; 0 when out of range
    if (!Has(offset, static_cast<std::uint64_t>(size))) return 0;
    std::uint64_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | bytes_[offset + static_cast<std::uint64_t>(i)];
    return v;
  }
  // A NUL-terminated text at a file offset; false when it runs past the data or kMaxName.
  bool Text(std::uint64_t offset, std::string& out) const {
    out.clear();
    for (std::uint64_t i = offset; i < bytes_.size() && out.size() < kMaxName; ++i) {
      if (bytes_[i] == 0) return true;
      out.push_back(static_cast<char>(bytes_[i]));
    }
    return false;
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
};

struct Section {
  std::uint64_t VirtualAddress, VirtualSize, RawOffset, RawSize;
};

class Image {
 public:
  Image(const Reader& reader, std::vector<Section> sections) : r_(reader), sections_(std::move(sections)) {}

  // File offset of a relative virtual address; false when no section's file data holds it.
  bool Offset(std::uint64_t rva, std::uint64_t& offset) const {
    for (const Section& s : sections_) {
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.RawSize) {
        offset = rva - s.VirtualAddress + s.RawOffset;
        return r_.Has(offset, 1);
      }
    }
    return false;
  }
  bool TextAt(std::uint64_t rva, std::string& out) const {
    std::uint64_t offset = 0;
    return Offset(rva, offset) && r_.Text(offset, out);
  }
  const Reader& reader() const { return r_; }

 private:
  const Reader& r_;
  std::vector<Section> sections_;
};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Reads one name table (import lookup table) into `out`; false on a damaged table.
bool ReadNameTable(const Image& image, std::uint64_t tableRva, bool wide, const std::string& library,
                   bool delayed, std::vector<ImportedFunction>& out, std::string& error) {
  const int width = wide ? 8 : 4;
  const std::uint64_t ordinalFlag = wide ? (1ull << 63) : (1ull << 31);
  for (std::size_t i = 0; i < kMaxThunks; ++i) {
    std::uint64_t offset = 0;
    if (!image.Offset(tableRva + i * static_cast<std::uint64_t>(width), offset) ||
        !image.reader().Has(offset, static_cast<std::uint64_t>(width))) {
      error = "import name table of " + library + " runs outside the file";
      return false;
    }
    const std::uint64_t entry = image.reader().U(offset, width);
    if (entry == 0) return true;
    ImportedFunction f;
    f.Library = library;
    f.Delayed = delayed;
    if (entry & ordinalFlag) {
      f.Function = "#" + std::to_string(entry & 0xFFFF);
    } else if (!image.TextAt((entry & 0x7FFFFFFF) + 2, f.Function) || f.Function.empty()) {
      error = "an imported name of " + library + " is unreadable";
      return false;
    }
    out.push_back(std::move(f));
  }
  error = "import name table of " + library + " has no end";
  return false;
}

bool ReadImports(const Image& image, std::uint64_t rva, bool wide, std::vector<ImportedFunction>& out,
                 std::string& error) {
  for (std::size_t i = 0; i < kMaxDescriptors; ++i) {
    std::uint64_t d = 0;
    if (!image.Offset(rva + i * 20, d) || !image.reader().Has(d, 20)) {
      error = "import table runs outside the file";
      return false;
    }
    const std::uint64_t names = image.reader().U(d, 4), nameRva = image.reader().U(d + 12, 4),
                        addresses = image.reader().U(d + 16, 4);
    if (nameRva == 0 && names == 0 && addresses == 0) return true;
    std::string library;
    if (!image.TextAt(nameRva, library)) {
      error = "an imported library's name is unreadable";
      return false;
    }
    // Without a name table the address table holds the names (old linkers).
    if (!ReadNameTable(image, names != 0 ? names : addresses, wide, Lower(library), false, out, error)) return false;
  }
  error = "import table has no end";
  return false;
}

bool ReadDelayImports(const Image& image, std::uint64_t rva, std::uint64_t imageBase, bool wide,
                      std::vector<ImportedFunction>& out, std::string& error) {
  for (std::size_t i = 0; i < kMaxDescriptors; ++i) {
    std::uint64_t d = 0;
    if (!image.Offset(rva + i * 32, d) || !image.reader().Has(d, 32)) {
      error = "delay import table runs outside the file";
      return false;
    }
    const std::uint64_t attributes = image.reader().U(d, 4);
    std::uint64_t nameRva = image.reader().U(d + 4, 4), names = image.reader().U(d + 16, 4);
    if (nameRva == 0) return true;
    if ((attributes & 1) == 0) {  // old form: virtual addresses instead of relative ones
      if (nameRva < imageBase || names < imageBase) {
        error = "delay import table holds addresses outside the image";
        return false;
      }
      nameRva -= imageBase;
      names -= imageBase;
    }
    std::string library;
    if (!image.TextAt(nameRva, library)) {
      error = "a delay-loaded library's name is unreadable";
      return false;
    }
    if (!ReadNameTable(image, names, wide, Lower(library), true, out, error)) return false;
  }
  error = "delay import table has no end";
  return false;
}

}  // namespace

PeReadResult ReadPeImage(const std::vector<std::uint8_t>& bytes) {
  PeReadResult result;
  Reader r(bytes);
  if (!r.Has(0, 64) || r.U(0, 2) != 0x5A4D) {
    result.Error = "not a Windows program file (no MZ header)";
    return result;
  }
  const std::uint64_t pe = r.U(0x3C, 4);
  if (!r.Has(pe, 24) || r.U(pe, 4) != 0x00004550) {
    result.Error = "no PE header";
    return result;
  }
  PeImage& image = result.Image;
  image.Machine = static_cast<std::uint16_t>(r.U(pe + 4, 2));
  const std::uint64_t sectionCount = r.U(pe + 6, 2), optionalSize = r.U(pe + 20, 2);
  image.IsLibrary = (r.U(pe + 22, 2) & 0x2000) != 0;
  const std::uint64_t opt = pe + 24;
  if (!r.Has(opt, optionalSize) || optionalSize < 96) {
    result.Error = "optional header cut short";
    return result;
  }
  const std::uint64_t magic = r.U(opt, 2);
  if (magic != 0x10B && magic != 0x20B) {
    result.Error = "unknown optional header";
    return result;
  }
  image.Pe32Plus = magic == 0x20B;
  const std::uint64_t imageBase = image.Pe32Plus ? r.U(opt + 24, 8) : r.U(opt + 28, 4);
  image.OsMajor = static_cast<std::uint16_t>(r.U(opt + 40, 2));
  image.OsMinor = static_cast<std::uint16_t>(r.U(opt + 42, 2));
  image.SubsystemMajor = static_cast<std::uint16_t>(r.U(opt + 48, 2));
  image.SubsystemMinor = static_cast<std::uint16_t>(r.U(opt + 50, 2));
  const std::uint64_t directories = opt + (image.Pe32Plus ? 112 : 96);
  const std::uint64_t directoryCount = image.Pe32Plus ? r.U(opt + 108, 4) : r.U(opt + 92, 4);
  auto directory = [&](std::uint64_t index) -> std::uint64_t {
    if (index >= directoryCount || directories + index * 8 + 8 > opt + optionalSize) return 0;
    return r.U(directories + index * 8, 4);
  };

  std::vector<Section> sections;
  const std::uint64_t table = opt + optionalSize;
  if (sectionCount > 96 || !r.Has(table, sectionCount * 40)) {
    result.Error = "section table cut short";
    return result;
  }
  for (std::uint64_t i = 0; i < sectionCount; ++i) {
    const std::uint64_t s = table + i * 40;
    sections.push_back({r.U(s + 12, 4), r.U(s + 8, 4), r.U(s + 20, 4), r.U(s + 16, 4)});
  }
  Image view(r, std::move(sections));

  if (const std::uint64_t imports = directory(1)) {
    if (!ReadImports(view, imports, image.Pe32Plus, image.Imports, result.Error)) return result;
  }
  if (const std::uint64_t delayed = directory(13)) {
    if (!ReadDelayImports(view, delayed, imageBase, image.Pe32Plus, image.Imports, result.Error)) return result;
  }
  if (const std::uint64_t tls = directory(9)) {
    std::uint64_t t = 0;
    const int width = image.Pe32Plus ? 8 : 4;
    if (!view.Offset(tls, t) || !r.Has(t, static_cast<std::uint64_t>(width) * 4 + 4)) {
      result.Error = "TLS table runs outside the file";
      return result;
    }
    const std::uint64_t start = r.U(t, width), end = r.U(t + static_cast<std::uint64_t>(width), width);
    const std::uint64_t zeroFill = r.U(t + static_cast<std::uint64_t>(width) * 4, 4);
    image.TlsDataBytes = (end > start ? end - start : 0) + zeroFill;
  }
  result.Ok = true;
  return result;
}

}  // namespace kv::floorcheck
