// Whole-file reads and writes behind a small seam, and the atomic replacement of a file:
// the new content goes to a temporary file in the same folder, which replaces the target only once
// it has been written completely. A failure part-way leaves the old file as it was.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kv {

class FileStore {
 public:
  virtual ~FileStore() = default;
  virtual bool Exists(const std::string& path) = 0;
  // Reads the whole file; false when it cannot be opened or read.
  virtual bool ReadAll(const std::string& path, std::vector<std::uint8_t>* bytes) = 0;
  // Creates (or truncates) the file and writes all bytes; true only when every byte reached the disk.
  virtual bool WriteNew(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
  // Moves `from` over `to`, replacing an existing `to` in one step.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
};

// Standard-library implementation. Replace uses std::rename, which replaces the target on POSIX;
// the Windows build uses Win32FileStore (win32_file_store.h), which replaces with MoveFileEx.
class StdioFileStore : public FileStore {
 public:
  bool Exists(const std::string& path) override;
  bool ReadAll(const std::string& path, std::vector<std::uint8_t>* bytes) override;
  bool WriteNew(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
  bool Replace(const std::string& from, const std::string& to) override;
  void Remove(const std::string& path) override;

 protected:
  // The steps of WriteNew, in order; each is a seam through which tests make the disk fail.
  // Creates (or truncates) the file for writing; null when it cannot.
  virtual std::FILE* OpenNew(const std::string& path);
  // Writes one piece of the file (pieces of 64 KB).
  virtual bool WriteChunk(std::FILE* file, const std::uint8_t* data, std::size_t size);
  // After the last piece: puts the written data on the disk itself, not only in the system's cache
  // (Windows: FlushFileBuffers). A failure fails the write. Here: nothing beyond fflush.
  virtual bool FlushToDisk(std::FILE* file);
  // Closes the file (always); false when the system reports that data was lost on closing.
  virtual bool CloseFile(std::FILE* file);
};

// Name of the temporary file used while `path` is replaced: same folder, same name plus ".kvtmp".
std::string TemporaryPathFor(const std::string& path);

// Writes `bytes` to a temporary file next to `path`, then replaces `path` with it. On failure the
// temporary file is removed and an existing `path` is untouched.
bool ReplaceFileAtomically(FileStore& files, const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace kv
