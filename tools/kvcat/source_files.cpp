// Source discovery and whole-file input/output.
#include "tools/kvcat/source_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace kvcat {

std::vector<std::string> CollectSources(const std::vector<std::string>& arguments, std::vector<std::string>& missing) {
  std::vector<std::string> files;
  for (const std::string& argument : arguments) {
    std::error_code error;
    const fs::path path(argument);
    if (fs::is_directory(path, error)) {
      std::vector<std::string> found;
      for (fs::recursive_directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error) && it->path().extension() == ".kvf") {
          found.push_back(it->path().generic_string());
        }
      }
      std::sort(found.begin(), found.end());
      files.insert(files.end(), found.begin(), found.end());
    } else if (fs::exists(path, error)) {
      files.push_back(argument);
    } else {
      missing.push_back(argument);
    }
  }
  return files;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
  std::ifstream in(fs::path(path), std::ios::binary);
  if (!in) return false;
  contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
  const fs::path target(path);
  fs::path temporary = target;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    return false;
  }
  return true;
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& contents) {
  return WriteFileAtomically(path, std::string(contents.begin(), contents.end()));
}

bool EnsureFolder(const std::string& path) {
  std::error_code error;
  fs::create_directories(fs::path(path), error);
  return fs::is_directory(fs::path(path), error);
}

}  // namespace kvcat
