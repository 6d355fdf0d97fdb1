// The column editor on kvTreeView's "Columns" page: the list of header columns with caption and
// width, to add and remove columns. Edits collect in a ColumnPlan and reach the control on Apply.
#pragma once

#include "activex/property_page/page_part.h"

namespace kv::tree::pages {

// Factory for PageDefinition::part.
kv::pages::PagePart* NewColumnEditor();

}  // namespace kv::tree::pages
