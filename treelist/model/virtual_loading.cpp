// Virtual loading: the lines on screen whose content has not been asked for yet.
#include "treelist/model/virtual_loading.h"

namespace kv::tree {

std::vector<Index> TakeLinesToLoad(TreeModel& model, const TreeLayout& layout) {
  std::vector<Index> lines;
  const int rows = layout.LinesPerList() + 1;
  for (int row = 0; row < rows; ++row) {
    LineGeometry g;
    if (!layout.RowGeometry(row, g)) break;
    if (model.MarkContentAsked(g.node)) lines.push_back(g.node);
  }
  return lines;
}

}  // namespace kv::tree
