// The tree-list's design-time properties by name, for the container's stream or property bag:
// every plain number and text property, the font size, and the column definitions as one block
// ("HeaderData", hexadecimal text). Picture and font objects belong to the automation layer, which
// saves the fonts itself (activex/persist/font_property.h); run-time values (selection, counts,
// the edit text) are not saved.
#pragma once

#include <cstdint>
#include <vector>

#include "activex/persist/property_list.h"
#include "treelist/model/plain_properties.h"

namespace kv::tree {

// The property's name as the type library spells it ("BackColor"); nullptr for an unknown id.
const char* PropertyName(int id);

void SaveTreeProperties(const PlainProperties& props, const std::vector<uint8_t>& headerData, kv::persist::Bag& bag);
// Sets every property the bag holds and accepts; the rest keep their values. `headerData` gets
// the saved column block (empty when the bag has none or it is not valid hexadecimal text).
void LoadTreeProperties(const kv::persist::Bag& bag, PlainProperties* props, std::vector<uint8_t>* headerData);

}  // namespace kv::tree
