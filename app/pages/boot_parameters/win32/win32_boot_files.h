// The boot file access of the Boot parameters tab on the Windows file system (ANSI paths).
#pragma once

#include "app/pages/boot_parameters/core/boot_files.h"

namespace kv {

class Win32BootFiles : public BootFileAccess {
 public:
  // Files larger than this are not read: no BOOT.INI is, and the page then keeps its hands off.
  static constexpr unsigned long kMaxFileSize = 1024 * 1024;

  bool Read(const std::string& path, std::string* text) override;
  bool Write(const std::string& path, const std::string& text) override;
  bool CreateNew(const std::string& path, const std::string& text) override;
  // Copies next to `to` first (a new file: an old leftover is removed, one that reappears fails),
  // gives the copy the owner, group and access rights of `to`, then moves it over `to` (MoveFileEx,
  // replace + write through). When `to` has rights that cannot be given to the copy, `to` stays.
  bool ReplaceWithCopy(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
  bool Exists(const std::string& path) override;

 protected:
  // The steps of writing a file and of ReplaceWithCopy, in order; each is a seam through which tests
  // make the disk fail. Handles are the system's file handles.
  virtual void* OpenForWriting(const std::string& path, unsigned long disposition);  // null when refused
  virtual bool WriteBytes(void* file, const std::string& text);
  virtual bool FlushToDisk(void* file);
  virtual bool CloseFile(void* file);  // closes always; false when the system reports a failure
  virtual bool CopyBeside(const std::string& from, const std::string& beside);  // never over an existing file
  // Gives `to` the owner, group and access list of `from` (see ReplaceWithCopy).
  virtual bool CopySecurity(const std::string& from, const std::string& to);
  virtual bool MoveOver(const std::string& from, const std::string& to);  // replaces `to` in one step

 private:
  bool WriteWhole(const std::string& path, const std::string& text, unsigned long disposition, bool* opened);
};

}  // namespace kv
