// Geometry of the tree-list window, computed from the model so that painting and hit-testing agree
// and can be tested without a window: the title, header and list areas, the first visible line,
// and per line the rectangles of the plus/minus box, radio mark, check box, picture and text.
#pragma once

#include "treelist/model/tree_model.h"

namespace kv::tree {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool Empty() const { return right <= left || bottom <= top; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// How a parent line shows that it can be opened, from the PictureType property: no mark, a
// plus/minus box, a "+"/"-" sign, or the box plus the control's open/closed/leaf pictures for lines
// without a picture of their own. A node's own picture number is always shown.
enum PictureType : int16_t { kPicsNone = 0, kPicsPlus = 1, kPicsText = 2, kPicsAll = 3 };

struct LayoutMetrics {
  int width = 0;  // client area
  int height = 0;
  int lineHeight = 18;
  int indent = 19;  // width of one level, also the plus/minus cell
  int plusSize = 9;
  int checkSize = 13;
  int pictureWidth = 16;  // one cell of the picture strip or image list
  int pictureHeight = 16;
  int gap = 3;  // between the parts of a line
  int leftMargin = 2;
  int titleHeight = 0;   // 0 without a title bar
  int headerHeight = 0;  // 0 without a column header
  // CheckXOffset/CheckYOffset, RadioXOffset/RadioYOffset: the mark moves by them, and the parts
  // after it move along by the x offset.
  int checkXOffset = 0, checkYOffset = 0;
  int radioXOffset = 0, radioYOffset = 0;
  PictureType pictureType = kPicsAll;
  bool defaultPictures = false;  // with kPicsAll: every line has a picture cell (control pictures are set)
};

enum class HitPart { Nowhere, Title, Header, Plus, Radio, Check, Picture, Text, Line };

struct HitResult {
  HitPart part = HitPart::Nowhere;
  Index node = -1;
  int column = 0;  // 1-based for header and check hits
};

struct LineGeometry {
  Index node = -1;
  Rect line;                               // the whole line across the list
  Rect plus, radio, check, picture, text;  // empty when the line has no such part
  int column1Right = 0;                    // right edge of the tree column
};

class TreeLayout {
 public:
  explicit TreeLayout(const TreeModel& model) : model_(model) {}

  const TreeModel& Model() const { return model_; }
  void SetMetrics(const LayoutMetrics& metrics) { metrics_ = metrics; }
  const LayoutMetrics& Metrics() const { return metrics_; }

  Rect TitleArea() const;
  Rect HeaderArea() const;
  Rect ListArea() const;
  // Lines that fit wholly in the list area (at least 1 when the area is not empty).
  int LinesPerList() const;

  // First visible line shown at the top, kept within 0 .. MaxTopLine.
  Index TopLine() const;
  Index MaxTopLine() const;
  void SetTopLine(Index line) { topLine_ = line; }
  Index TopIndex() const { return model_.Nodes().VisibleNode(TopLine()); }
  // Scrolls the least so that `node`'s line is wholly shown; false when it is hidden or invalid.
  bool EnsureVisible(Index node);

  // Right edge of header column `column` (1-based); the tree column spans the client without columns.
  int ColumnLeft(int column) const;
  int ColumnRight(int column) const;

  // Geometry of the line at screen row `row` (0 = top line); false below the last node.
  bool RowGeometry(int row, LineGeometry& out) const;
  // Check box rectangle of `node` in `column` (> 1) on screen row `row`.
  Rect ColumnCheckRect(int row, int column) const;
  // Screen row of `node`, -1 when not on screen.
  int RowOf(Index node) const;

  HitResult HitTest(int x, int y) const;
  // The column whose right edge in the header lies within `slack` pixels of (x, y), 0 when none
  // (a locked column cannot be resized and is not reported).
  int HeaderDividerAt(int x, int y, int slack = 3) const;

 private:
  const TreeModel& model_;
  LayoutMetrics metrics_;
  Index topLine_ = 0;
};

}  // namespace kv::tree
