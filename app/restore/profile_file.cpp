// Whole profile files (see profile_file.h).
#include "app/restore/profile_file.h"

#include "app/restore/profile_codec.h"

namespace kv {

std::string UndoFilePath(const std::string& systemDirectory) {
  std::string path = systemDirectory;
  if (path.empty() || path.back() != '\\') path += '\\';
  return path + "KORVN2K.UND";
}

ProfileTable ReadProfile(FileStore& files, const std::string& path, int functionCount) {
  std::vector<std::uint8_t> bytes;
  if (!files.ReadAll(path, &bytes)) bytes.clear();
  return DecodeProfile(bytes, functionCount);
}

bool WriteProfile(FileStore& files, const std::string& path, const ProfileTable& table) {
  return ReplaceFileAtomically(files, path, EncodeProfile(table));
}

}  // namespace kv
