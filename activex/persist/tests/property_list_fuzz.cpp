// libFuzzer target for the control property stream loader: any bytes either load or are refused,
// and whatever loads saves and loads again to the same set.
#include <cstdint>
#include <cstdlib>

#include "activex/persist/property_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using kv::persist::ParseError;
  using kv::persist::PropertyList;
  uint32_t payload = 0;
  if (PropertyList::ReadHeader(data, size, &payload) == ParseError::None && size - kv::persist::kHeaderSize >= payload)
    data += kv::persist::kHeaderSize, size = payload;
  PropertyList list;
  if (PropertyList::ParsePayload(data, size, &list) != ParseError::None) {
    if (!list.Entries().empty()) abort();
    return 0;
  }
  std::vector<uint8_t> again = list.Serialize();
  PropertyList reloaded;
  if (PropertyList::ParsePayload(again.data() + kv::persist::kHeaderSize, again.size() - kv::persist::kHeaderSize,
                                 &reloaded) != ParseError::None ||
      reloaded.Serialize() != again)
    abort();
  return 0;
}
