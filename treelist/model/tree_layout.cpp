// Tree-list geometry and hit-testing.
#include "treelist/model/tree_layout.h"

#include <algorithm>

namespace kv::tree {

Rect TreeLayout::TitleArea() const { return Rect{0, 0, metrics_.width, std::max(0, metrics_.titleHeight)}; }

Rect TreeLayout::HeaderArea() const {
  int top = TitleArea().bottom;
  return Rect{0, top, metrics_.width, top + std::max(0, metrics_.headerHeight)};
}

Rect TreeLayout::ListArea() const {
  int top = HeaderArea().bottom;
  return Rect{0, top, metrics_.width, std::max(top, metrics_.height)};
}

int TreeLayout::LinesPerList() const {
  if (metrics_.lineHeight <= 0 || ListArea().Empty()) return 0;
  return std::max(1, ListArea().Height() / metrics_.lineHeight);
}

Index TreeLayout::MaxTopLine() const { return std::max<Index>(0, model_.Nodes().VisibleCount() - LinesPerList()); }

Index TreeLayout::TopLine() const { return std::clamp<Index>(topLine_, 0, MaxTopLine()); }

bool TreeLayout::EnsureVisible(Index node) {
  Index line = model_.Nodes().LineOf(node);
  if (line < 0) return false;
  Index top = TopLine();
  Index lines = std::max(1, LinesPerList());
  if (line < top)
    top = line;
  else if (line >= top + lines)
    top = line - lines + 1;
  topLine_ = top;
  return true;
}

int TreeLayout::ColumnLeft(int column) const {
  int left = 0;
  const Columns& columns = model_.Cols();
  for (int c = 1; c < column && c <= columns.Count(); ++c) left += columns.At(c).width;
  return left;
}

int TreeLayout::ColumnRight(int column) const {
  const Columns& columns = model_.Cols();
  if (columns.Count() == 0) return metrics_.width;
  if (!columns.Valid(column)) return ColumnLeft(column);
  return ColumnLeft(column) + columns.At(column).width;
}

int TreeLayout::RowOf(Index node) const {
  Index line = model_.Nodes().LineOf(node);
  if (line < 0) return -1;
  Index row = line - TopLine();
  return (row >= 0 && row < LinesPerList() + 1) ? static_cast<int>(row) : -1;
}

bool TreeLayout::RowGeometry(int row, LineGeometry& out) const {
  const NodeStore& nodes = model_.Nodes();
  Index node = nodes.VisibleNode(TopLine() + row);
  if (node < 0 || row < 0) return false;
  const Node& n = nodes.At(node);
  const LayoutMetrics& m = metrics_;
  out = LineGeometry();
  out.node = node;
  const Rect list = ListArea();
  const int top = list.top + row * m.lineHeight;
  out.line = Rect{0, top, m.width, top + m.lineHeight};
  out.column1Right = model_.Cols().Count() > 0 ? ColumnRight(1) : m.width;

  auto centred = [&](int left, int width, int height, int dy = 0) {
    int y = top + (m.lineHeight - height) / 2 + dy;
    return Rect{left, y, left + width, y + height};
  };
  int x = m.leftMargin + (n.level - 1) * m.indent;
  const bool plusShown = m.pictureType != kPicsNone;
  const bool defaultPictures = m.pictureType == kPicsAll && m.defaultPictures;
  if (plusShown) {
    if (n.Has(kIsParent)) out.plus = centred(x + (m.indent - m.plusSize) / 2, m.plusSize, m.plusSize);
    x += m.indent;
  }
  if (model_.IsRadioChild(node)) {
    x += m.radioXOffset;
    out.radio = centred(x, m.checkSize, m.checkSize, m.radioYOffset);
    x += m.checkSize + m.gap;
  }
  if (n.Has(kShowChecks)) {
    x += m.checkXOffset;
    out.check = centred(x, m.checkSize, m.checkSize, m.checkYOffset);
    x += m.checkSize + m.gap;
  }
  const bool hasPicture = n.picture > 0 || n.picExpand > 0 || n.picSelect > 0;
  if (hasPicture || defaultPictures) {
    out.picture = centred(x, m.pictureWidth, std::min(m.pictureHeight, m.lineHeight));
    x += m.pictureWidth + m.gap;
  }
  out.text = Rect{x, top, std::max(x, out.column1Right), top + m.lineHeight};
  return true;
}

Rect TreeLayout::ColumnCheckRect(int row, int column) const {
  const Columns& columns = model_.Cols();
  if (column <= 1 || !columns.Valid(column) || !columns.IsCheckColumn(column)) return Rect{};
  const Rect list = ListArea();
  const int top = list.top + row * metrics_.lineHeight + (metrics_.lineHeight - metrics_.checkSize) / 2;
  const int left = ColumnLeft(column), right = ColumnRight(column);
  int x = left + metrics_.gap;
  if (columns.At(column).checkAlign == kAlignCenter) x = left + (right - left - metrics_.checkSize) / 2;
  if (columns.At(column).checkAlign == kAlignRight) x = right - metrics_.checkSize - metrics_.gap;
  return Rect{x, top, x + metrics_.checkSize, top + metrics_.checkSize};
}

int TreeLayout::HeaderDividerAt(int x, int y, int slack) const {
  if (!HeaderArea().Contains(x, y)) return 0;
  const Columns& columns = model_.Cols();
  for (int c = 1; c <= columns.Count(); ++c) {
    int edge = ColumnLeft(c) + columns.At(c).width;
    if (x >= edge - slack && x <= edge + slack && !columns.At(c).lock) return c;
  }
  return 0;
}

HitResult TreeLayout::HitTest(int x, int y) const {
  HitResult hit;
  if (TitleArea().Contains(x, y)) {
    hit.part = HitPart::Title;
    return hit;
  }
  if (HeaderArea().Contains(x, y)) {
    hit.part = HitPart::Header;
    for (int c = 1; c <= model_.Cols().Count(); ++c) {
      if (x >= ColumnLeft(c) && x < ColumnRight(c)) hit.column = c;
    }
    return hit;
  }
  const Rect list = ListArea();
  if (!list.Contains(x, y) || metrics_.lineHeight <= 0) return hit;
  const int row = (y - list.top) / metrics_.lineHeight;
  LineGeometry g;
  if (!RowGeometry(row, g)) return hit;
  hit.node = g.node;
  hit.part = HitPart::Line;
  if (g.plus.Contains(x, y))
    hit.part = HitPart::Plus;
  else if (g.radio.Contains(x, y))
    hit.part = HitPart::Radio;
  else if (g.check.Contains(x, y)) {
    hit.part = HitPart::Check;
    hit.column = 1;
  } else if (g.picture.Contains(x, y))
    hit.part = HitPart::Picture;
  else if (g.text.Contains(x, y))
    hit.part = HitPart::Text;
  else {
    for (int c = 2; c <= model_.Cols().Count(); ++c) {
      if (model_.Nodes().At(g.node).Has(kShowChecks) && ColumnCheckRect(row, c).Contains(x, y)) {
        hit.part = HitPart::Check;
        hit.column = c;
      }
    }
  }
  return hit;
}

}  // namespace kv::tree
