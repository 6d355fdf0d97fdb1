// Fuzz target: icon location texts and list cargo from arbitrary registry data. Checks that a parsed
// file never exceeds the limit, that a cargo naming a function gives back all of the text after its bar, and that
// the %SystemRoot% expansion ends.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/pages/icons/core/icon_cache_refresh.h"
#include "app/pages/icons/core/icon_location.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const kv::IconLocation where = kv::ParseIconLocation(text);
  if (where.File.size() > kv::kMaxIconFileChars) std::abort();
  const kv::IconCargoParts parts = kv::SplitIconCargo(text);
  if (parts.Function >= 0 && parts.Location != text.substr(text.find('|') + 1)) std::abort();
  kv::ExpandSystemRoot(text, "%SystemRoot%\\");
  kv::ExpandSystemRoot(text, "C:\\WINNT\\");
  kv::NextIconSizeText(text);
  return 0;
}
