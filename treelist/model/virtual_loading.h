// Virtual loading (LoadType = LoadVirtual): the program fills a node's content only when its line
// first comes on screen, asked for by the GetNode event. This picks the lines to ask for.
#pragma once

#include <vector>

#include "treelist/model/tree_layout.h"

namespace kv::tree {

// The nodes on screen (the part line at the bottom included) not asked for yet, in line order;
// they count as asked for from now on (the mark moves with the node when others are inserted).
std::vector<Index> TakeLinesToLoad(TreeModel& model, const TreeLayout& layout);

}  // namespace kv::tree
