// Path and text rules of the common-dialog wrappers: the file dialog's start folder and name,
// icon locations "file ,index", the %SystemRoot% expansion and the folder dialog's prefix pattern.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kvdlg {

// ---- file dialog ----
struct FileDialogStart {
  std::string folder;  // ends with a backslash, or empty when the file had no folder
  std::string name;    // shown name, possibly recased
};

constexpr std::size_t kFileNameBufferChars = 128;

// "C:\WIN\SETUP.BMP" -> folder "C:\WIN\", name "Setup.bmp"; empty file -> "C:\" and no name.
FileDialogStart FileDialogStartFor(const std::string& file);

// A name made only of upper-case letters (and non-letters, with at least one letter) is shown
// lower case with its first letter upper case; any other name is unchanged.
std::string DisplayFileName(const std::string& name);

// The platform's name buffer: the name then NULs to kFileNameBufferChars; longer names get one NUL.
std::string FileNameBuffer(const std::string& name);

// "description NUL *.* NUL" with the given description.
std::string DefaultFileFilter(const std::string& allFilesText);

// Text up to the first NUL.
std::string CutAtNul(const std::string& text);

// ---- icon locations ----
struct IconLocation {
  std::string file;
  std::int32_t index = 0;
};

// "file ,3" (a comma after the first character) -> file and 3 (blanks before the comma dropped);
// otherwise the whole text with defaultIndex.
IconLocation ParseIconLocation(const std::string& text, std::int32_t defaultIndex);

// "path ,index" for index > 0, else the bare path.
std::string IconLocationText(const std::string& path, std::int32_t index);

// Replaces "%SystemRoot%" (exact case) and the backslash after it by the Windows folder,
// which ends with a backslash.
std::string ExpandSystemRoot(const std::string& path, const std::string& windowsFolder);

std::string UpperCase(const std::string& text);

// ---- folder dialog ----
// Case-insensitive match with "*" (any run) and "?" (one character).
bool WildcardMatch(const std::string& text, const std::string& pattern);

// The folder dialog's OK rule: an empty prefix pattern allows everything, else path must match it followed by "*".
bool FolderMatchesSpec(const std::string& path, const std::string& prefixPattern);

// A path that lacks a trailing backslash gets one; an empty path stays empty.
std::string WithTrailingBackslash(const std::string& path);

}  // namespace kvdlg
