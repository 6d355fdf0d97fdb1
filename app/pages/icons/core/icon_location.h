// Icon location texts of the Icons page: "file" or "file,index" (a blank before the comma allowed,
// as in "SHELL32.DLL ,3"), the location shown for an absent value, the "%SystemRoot%\" expansion and
// the list line's cargo "number|location".
#pragma once

#include <cstddef>
#include <string>

namespace kv {

struct IconLocation {
  std::string File;  // blanks around it trimmed; empty when the text names no usable file
  int Index = 0;
};

// Longest file name a location may carry (the platform's path limit without its terminator).
inline constexpr std::size_t kMaxIconFileChars = 259;

// A comma after the first character splits file and index: the index is the leading number of the
// text after the first comma (0 when there is none), the file the trimmed text before it. Without
// such a comma the whole trimmed text is the file and the index is 0. A file longer than
// kMaxIconFileChars is refused (empty file), so nothing is drawn from a damaged value.
IconLocation ParseIconLocation(const std::string& text);

// The location shown for an absent value: the system folder's SHELL32.DLL with the value name as index.
std::string DefaultIconLocation(const std::string& systemFolder, const std::string& valueName);

// Every "%SystemRoot%\" replaced by the Windows folder (which ends with a backslash). The variable's
// name is matched regardless of letter case, as the system itself expands it.
std::string ExpandSystemRoot(std::string text, const std::string& windowsFolder);

// Cargo of a list line: the function number in decimal, "|", the location.
std::string IconCargo(int function, const std::string& location);

struct IconCargoParts {
  int Function = -1;  // -1 when the cargo names no function
  std::string Location;
};
// Splits at the first "|"; the number must be plain decimal digits.
IconCargoParts SplitIconCargo(const std::string& cargo);

// Same file (letter case ignored) and same index.
bool SameIconLocation(const IconLocation& a, const IconLocation& b);

}  // namespace kv
