// Fuzz target: any text as the helper's command line. Splitting, dispatch and option reading must
// never crash and never give more than six fields.
#include <cstddef>
#include <cstdint>
#include <string>

#include "helper/core/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string arguments = kv::helper::ArgumentTextOf(text);
  const kv::helper::ArgumentTable fields = kv::helper::SplitArguments(arguments);
  (void)kv::helper::SelectJob(fields[0]);
  (void)kv::helper::ReadJobOptions(fields, "C:\\WINDOWS\\SYSTEM32\\KORVN2K.UND");
  return 0;
}
