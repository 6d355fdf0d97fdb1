// The helper's texts from its string table: German at the number, English at number + 1000.
#pragma once

#include <string>

namespace kv::helper {

class StringTable {
 public:
  explicit StringTable(int languageOffset) : offset_(languageOffset) {}
  // The text of `id` in the current language; "" when the table has none.
  std::string Text(int id) const;

 private:
  int offset_;
};

}  // namespace kv::helper
