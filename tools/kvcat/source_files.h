// File work of the compiler: finding the .kvf sources, reading files whole, and replacing output
// files atomically (temporary file in the same folder, then rename).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvcat {

// Each argument is a file (taken as is) or a folder (searched recursively for *.kvf, sorted by path).
// Arguments that do not exist are returned in `missing`.
std::vector<std::string> CollectSources(const std::vector<std::string>& arguments, std::vector<std::string>& missing);

bool ReadWholeFile(const std::string& path, std::string& contents);
bool WriteFileAtomically(const std::string& path, const std::string& contents);
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& contents);
bool EnsureFolder(const std::string& path);

}  // namespace kvcat
