// Fuzz target: any bytes as the tree-list's saved column block (kept by its container and handed
// back when the control is loaded). A refused block must leave the columns as they were; an accepted
// one must save and load again to exactly the same block.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "treelist/model/columns.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kv::tree::Columns columns;
  columns.Add(L"Name", 120);
  columns.Add(L"Wert", 80);
  const std::vector<uint8_t> before = columns.Serialise();
  if (!columns.Deserialise(std::vector<uint8_t>(data, data + size))) {
    if (columns.Serialise() != before) std::abort();  // a refused block changed the columns
    return 0;
  }
  const std::vector<uint8_t> saved = columns.Serialise();
  kv::tree::Columns again;
  if (!again.Deserialise(saved) || again.Serialise() != saved) std::abort();
  for (int c = 1; c <= columns.Count(); ++c) (void)columns.IsCheckColumn(c);
  return 0;
}
