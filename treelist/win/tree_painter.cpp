// Tree-list window painting: title bar, column header and the visible lines only, drawn into a
// back buffer and copied in one step (no flicker). The cost depends on the lines shown, not on
// the number of nodes.
#include <algorithm>
#include <string>

#include "app/controls/win32/drawing_bitmap.h"
#include "treelist/model/virtual_loading.h"
#include "treelist/win/colours.h"
#include "treelist/win/tree_window.h"

namespace kv::tree {

namespace {

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void Edge(HDC dc, RECT r, int style) {
  if (style == 1) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  if (style == 2) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
}

UINT AlignFlags(int align) {
  if (align == kAlignRight) return DT_RIGHT;
  if (align == kAlignCenter) return DT_CENTER;
  return DT_LEFT;
}

void Text(HDC dc, const std::wstring& text, RECT r, UINT flags) {
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            flags | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size = {0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

class Painter {
 public:
  Painter(HDC dc, TreeModel& model, const TreeLayout& layout, const PlainProperties& props, TreeGraphics& graphics,
          bool focused, bool enabled)
      : dc_(dc),
        model_(model),
        layout_(layout),
        props_(props),
        graphics_(graphics),
        focused_(focused),
        enabled_(enabled),
        m_(layout.Metrics()) {}

  void All() {
    SetBkMode(dc_, TRANSPARENT);
    RECT client = {0, 0, m_.width, m_.height};
    Fill(dc_, client, Colour(kPropBackColor));
    if (HBITMAP back = graphics_.Picture(PictureSlot::BackImage))
      TreeGraphics::TileBitmap(dc_, back, ToRect(layout_.ListArea()));
    Lines();
    Title();
    Header();
    Border();
  }

 private:
  COLORREF Colour(int id) const { return ToColorRef(uint32_t(props_.Number(id))); }

  void Title() {
    Rect area = layout_.TitleArea();
    if (area.Empty()) return;
    RECT r = ToRect(area);
    Fill(dc_, r, Colour(kPropTitleBackColor));
    if (HBITMAP image = graphics_.Picture(PictureSlot::TitleBackImage)) TreeGraphics::TileBitmap(dc_, image, r);
    Edge(dc_, r, props_.Number(kPropTitleBorder));
    SelectObject(dc_, graphics_.TitleFont());
    RECT inner = {r.left + 4 + props_.Number(kPropTitleXOffset), r.top + props_.Number(kPropTitleYOffset), r.right - 4,
                  r.bottom};
    const UINT align = AlignFlags(props_.Number(kPropTitleAlign));
    // TitleTextStyle 1 raised, 2 lowered: a light copy of the text up-left or down-right.
    const int style = props_.Number(kPropTitleTextStyle);
    if (style == 1 || style == 2) {
      const int d = style == 1 ? -1 : 1;
      RECT light = {inner.left + d, inner.top + d, inner.right + d, inner.bottom + d};
      SetTextColor(dc_, GetSysColor(COLOR_BTNHIGHLIGHT));
      Text(dc_, props_.Text(kPropTitleText), light, align);
    }
    SetTextColor(dc_, Colour(kPropTitleForeColor));
    Text(dc_, props_.Text(kPropTitleText), inner, align);
  }

  void Header() {
    Rect area = layout_.HeaderArea();
    if (area.Empty()) return;
    Fill(dc_, ToRect(area), Colour(kPropHeaderBackColor));
    SelectObject(dc_, graphics_.HeaderFont());
    SetTextColor(dc_, Colour(kPropHeaderForeColor));
    const Columns& columns = model_.Cols();
    for (int c = 1; c <= columns.Count(); ++c) {
      RECT r = {layout_.ColumnLeft(c), area.top, layout_.ColumnRight(c), area.bottom};
      Edge(dc_, r, props_.Number(kPropHeaderBorder) == 0 ? 1 : props_.Number(kPropHeaderBorder));
      RECT inner = {r.left + 4 + props_.Number(kPropHeaderXOffset), r.top + props_.Number(kPropHeaderYOffset),
                    r.right - 4, r.bottom};
      if (c == model_.SortColumn() && props_.Flag(kPropSortArrows)) SortArrow(inner);
      Text(dc_, columns.At(c).caption, inner, AlignFlags(props_.Number(kPropHeaderAlign)));
    }
  }

  // The sort column's arrow (up ascending, down descending) at the cell's left (ArrowAlign 0) or
  // right end, moved by ArrowXOffset/ArrowYOffset; the caption gives way to it.
  void SortArrow(RECT& inner) {
    const int size = 7;
    const bool left = props_.Number(kPropArrowAlign) == 0;
    const int x = (left ? inner.left : inner.right - size) + props_.Number(kPropArrowXOffset);
    const int y = (inner.top + inner.bottom - size / 2 - 1) / 2 + props_.Number(kPropArrowYOffset);
    const bool up = props_.Number(kPropSortDirection) == 1;
    const int half = size / 2;
    POINT p[3] = {{x, up ? y + half : y}, {x + size - 1, up ? y + half : y}, {x + half, up ? y : y + half}};
    HBRUSH brush = CreateSolidBrush(Colour(kPropHeaderForeColor));
    HPEN pen = CreatePen(PS_SOLID, 1, Colour(kPropHeaderForeColor));
    HGDIOBJ oldBrush = SelectObject(dc_, brush);
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    Polygon(dc_, p, 3);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    if (left)
      inner.left += size + 4;
    else
      inner.right -= size + 4;
  }

  void Border() {
    RECT r = {0, 0, m_.width, m_.height};
    switch (props_.Number(kPropBorderType)) {
      case 0: {
        HBRUSH brush = CreateSolidBrush(Colour(kPropBorderColor));
        FrameRect(dc_, &r, brush);
        DeleteObject(brush);
        break;
      }
      case 2:
        DrawEdge(dc_, &r, EDGE_RAISED, BF_RECT);
        break;
      case 3:
        DrawEdge(dc_, &r, EDGE_SUNKEN, BF_RECT);
        break;
      default:
        break;
    }
  }

  void Lines() {
    model_.Nodes().BuildBranchEnds();  // sibling lookups of the tree lines in O(1)
    Rect list = layout_.ListArea();
    HRGN clip = CreateRectRgn(list.left, list.top, list.right, list.bottom);
    SelectClipRgn(dc_, clip);
    const int rows = layout_.LinesPerList() + 1;  // the part line at the bottom too
    for (int row = 0; row < rows; ++row) {
      LineGeometry g;
      if (!layout_.RowGeometry(row, g)) break;
      Line(g);
    }
    SelectClipRgn(dc_, nullptr);
    DeleteObject(clip);
  }

  void Line(const LineGeometry& g) {
    const Node& node = model_.Nodes().At(g.node);
    // NodeSelect marks lines as selected as well (the drive page marks the boot drive this way).
    const bool selected = g.node == model_.Selected() || node.Has(kSelect);
    RECT line = ToRect(g.line);
    if (node.Has(kHeaderStyle)) {
      RECT band = line;
      Fill(dc_, band, Colour(kPropHeaderBackColor));
      DrawEdge(dc_, &band, BDR_RAISEDINNER, BF_RECT);
    } else if (node.Has(kHasBackColour)) {
      Fill(dc_, line, ToColorRef(node.extras->backColour));
    }
    if (props_.Flag(kPropTreeLines) && props_.Number(kPropHideLines) == 0) TreeLines(g, node);
    if (!g.plus.Empty()) PlusMinus(g, node);
    if (!g.radio.Empty()) Radio(g);
    if (!g.check.Empty()) Check(ToRect(g.check), model_.NodeColumnCheck(g.node, 1));
    if (!g.picture.Empty()) Picture(g, node, selected);
    const bool bandAcross = Label(g, node, selected);
    ColumnCells(g, bandAcross);
  }

  void TreeLines(const LineGeometry& g, const Node& node) {
    HPEN pen = CreatePen(props_.Number(kPropLineType) == 1 ? PS_DOT : PS_SOLID, 1, Colour(kPropTreeLineColor));
    HGDIOBJ old = SelectObject(dc_, pen);
    SetBkColor(dc_, Colour(kPropBackColor));
    const NodeStore& nodes = model_.Nodes();
    const int mid = (g.line.top + g.line.bottom) / 2;
    auto columnX = [&](int level) { return m_.leftMargin + (level - 1) * m_.indent + m_.indent / 2; };
    // The node's own connector: up to its parent (or previous root) and down when a sibling follows.
    if (node.parent >= 0 || nodes.PreviousSibling(g.node) >= 0 || nodes.NextSibling(g.node) >= 0) {
      int x = columnX(node.level);
      bool above = node.parent >= 0 || nodes.PreviousSibling(g.node) >= 0;
      bool below = nodes.NextSibling(g.node) >= 0;
      MoveToEx(dc_, x, above ? g.line.top : mid, nullptr);
      LineTo(dc_, x, below ? g.line.bottom : mid + 1);
      MoveToEx(dc_, x, mid, nullptr);
      LineTo(dc_, x + m_.indent / 2, mid);
    }
    // Pass-through lines of ancestors that have siblings further down.
    for (Index p = node.parent; p >= 0; p = nodes.At(p).parent) {
      if (nodes.NextSibling(p) < 0) continue;
      int x = columnX(nodes.At(p).level);
      MoveToEx(dc_, x, g.line.top, nullptr);
      LineTo(dc_, x, g.line.bottom);
    }
    SelectObject(dc_, old);
    DeleteObject(pen);
  }

  void PlusMinus(const LineGeometry& g, const Node& node) {
    const bool expanded = node.Has(kExpanded);
    RECT r = ToRect(g.plus);
    HBITMAP picture = graphics_.Picture(expanded ? PictureSlot::PictureMinus : PictureSlot::PicturePlus);
    if (picture) {
      DrawBitmap(picture, r);
      return;
    }
    if (m_.pictureType == kPicsText) {
      SelectObject(dc_, graphics_.BoldFont());
      SetTextColor(dc_, Colour(kPropForeColor));
      RECT sign = {r.left - 2, g.line.top, r.right + 2, g.line.bottom};
      Text(dc_, expanded ? L"-" : L"+", sign, DT_CENTER);
      return;
    }
    Fill(dc_, r, Colour(kPropBackColor));
    HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_GRAYTEXT));
    FrameRect(dc_, &r, frame);
    DeleteObject(frame);
    HPEN pen = CreatePen(PS_SOLID, 1, ToColorRef(0x80000012));
    HGDIOBJ old = SelectObject(dc_, pen);
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    MoveToEx(dc_, r.left + 2, cy, nullptr);
    LineTo(dc_, r.right - 2, cy);
    if (!expanded) {
      MoveToEx(dc_, cx, r.top + 2, nullptr);
      LineTo(dc_, cx, r.bottom - 2);
    }
    SelectObject(dc_, old);
    DeleteObject(pen);
  }

  void DrawBitmap(HBITMAP bitmap, const RECT& r) {
    SIZE size = TreeGraphics::BitmapSize(bitmap);
    TreeGraphics::DrawMasked(dc_, r, bitmap, 0, 0, size.cx, size.cy, Colour(kPropMaskColor));
  }

  void Check(RECT r, int value) {
    HBITMAP picture =
        graphics_.Picture(!enabled_ && graphics_.Picture(PictureSlot::CheckDisabled) ? PictureSlot::CheckDisabled
                          : value                                                    ? PictureSlot::CheckDown
                                                                                     : PictureSlot::CheckUp);
    if (picture) {
      DrawBitmap(picture, r);
      return;
    }
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (value == 1) state |= DFCS_CHECKED;
    if (value == 2) state = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
    if (!enabled_) state |= DFCS_INACTIVE;
    DrawFrameControl(dc_, &r, DFC_BUTTON, state);
  }

  void Radio(const LineGeometry& g) {
    const bool chosen = model_.GetNode(NodeField::RadioSet, g.node) != 0;
    RECT r = ToRect(g.radio);
    HBITMAP picture = graphics_.Picture(chosen ? PictureSlot::RadioDown : PictureSlot::RadioUp);
    if (picture) {
      DrawBitmap(picture, r);
      return;
    }
    DrawFrameControl(dc_, &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | (chosen ? DFCS_CHECKED : 0));
  }

  void Picture(const LineGeometry& g, const Node& node, bool selected) {
    int number = node.picture;
    if (node.Has(kExpanded) && node.picExpand > 0) number = node.picExpand;
    if (selected && node.picSelect > 0) number = node.picSelect;
    RECT r = ToRect(g.picture);
    OffsetRect(&r, props_.Number(kPropPicXOffset), props_.Number(kPropPicYOffset));
    if (number == 0) {
      // No picture of its own: the control's folder-open, folder-closed or leaf picture.
      PictureSlot slot = !node.Has(kIsParent)  ? PictureSlot::PictureLeaf
                         : node.Has(kExpanded) ? PictureSlot::PictureOpen
                                               : PictureSlot::PictureClose;
      if (HBITMAP picture = graphics_.Picture(slot)) DrawBitmap(picture, r);
      return;
    }
    graphics_.DrawPicture(dc_, number, r, props_.Flag(kPropUseImageList), props_.Number(kPropPicCols),
                          props_.Number(kPropPicRows), Colour(kPropMaskColor));
  }

  // Draws the tree column's text and sub-text; true when the selection band runs across the columns.
  bool Label(const LineGeometry& g, const Node& node, bool selected) {
    const bool columns = model_.Cols().Count() > 0;
    std::wstring text = columns ? model_.DisplayColumnText(g.node, 1) : node.text;
    // Virtual loading: a line still without text shows VirtualText.
    const bool placeholder = text.empty() && props_.Number(kPropLoadType) == 1;
    if (placeholder) text = props_.Text(kPropVirtualText);
    SelectObject(dc_,
                 graphics_.FontFor(node.extras ? node.extras->font : 0, node.fontBold != 0 || node.Has(kHeaderStyle)));
    const int x = g.text.left + props_.Number(kPropTextXOffset);
    const int width = TextWidth(dc_, text);
    RECT textRect = {x, g.text.top + props_.Number(kPropTextYOffset), g.column1Right,
                     g.text.bottom + props_.Number(kPropTextYOffset)};
    COLORREF fore = node.Has(kHasForeColour) ? ToColorRef(node.extras->foreColour) : Colour(kPropForeColor);
    if (placeholder) fore = Colour(kPropVirtualForeColor);
    if (!enabled_) fore = GetSysColor(COLOR_GRAYTEXT);
    bool across = false;
    if (selected) {
      RECT band = {x - 2, g.line.top, std::min<int>(x + width + 2, g.column1Right), g.line.bottom};
      if (props_.Number(kPropSelectedStyle) == 0) band.left = g.line.left, band.right = g.line.right;
      // SelectRight, and a line whose tree column shows no text (its text is in other columns).
      if (props_.Number(kPropSelectedStyle) == 1 || text.empty()) band.right = g.line.right;
      across = band.right == g.line.right;
      Fill(dc_, band, focused_ ? Colour(kPropSelectedBackColor) : Colour(kPropNoFocusBackColor));
      fore = focused_ ? Colour(kPropSelectedForeColor) : Colour(kPropNoFocusForeColor);
      if (focused_ && props_.Number(kPropFocusType) == 1) DrawFocusRect(dc_, &band);
    }
    SetTextColor(dc_, fore);
    Text(dc_, text, textRect, placeholder ? AlignFlags(props_.Number(kPropVirtualAlign)) : DT_LEFT);
    const std::wstring sub = node.extras ? node.extras->subText : std::wstring();
    if (!sub.empty() && x + width + 6 < g.column1Right) {
      SelectObject(dc_, graphics_.SubTextFont());
      SetTextColor(dc_, Colour(kPropSubTextColor));
      RECT subRect = {x + width + 6, textRect.top, g.column1Right, textRect.bottom};
      Text(dc_, sub, subRect, DT_LEFT);
    }
    return across;
  }

  void ColumnCells(const LineGeometry& g, bool onSelectionBand) {
    const Columns& columns = model_.Cols();
    const int row = (g.line.top - layout_.ListArea().top) / std::max(1, m_.lineHeight);
    SelectObject(dc_, graphics_.MainFont());
    for (int c = 2; c <= columns.Count(); ++c) {
      const Column& column = columns.At(c);
      RECT cell = {layout_.ColumnLeft(c), g.line.top, layout_.ColumnRight(c), g.line.bottom};
      if (column.backColour != 0xFFFFFF && !onSelectionBand) Fill(dc_, cell, ToColorRef(column.backColour));
      if (columns.IsCheckColumn(c) && model_.Nodes().At(g.node).Has(kShowChecks)) {
        Check(ToRect(layout_.ColumnCheckRect(row, c)), model_.NodeColumnCheck(g.node, c));
        continue;
      }
      SetTextColor(dc_, onSelectionBand ? (focused_ ? Colour(kPropSelectedForeColor) : Colour(kPropNoFocusForeColor))
                                        : ToColorRef(column.foreColour));
      RECT inner = {cell.left + 4, cell.top, cell.right - 4, cell.bottom};
      Text(dc_, model_.DisplayColumnText(g.node, c), inner, AlignFlags(column.textAlign));
    }
  }

  HDC dc_;
  TreeModel& model_;
  const TreeLayout& layout_;
  const PlainProperties& props_;
  TreeGraphics& graphics_;
  bool focused_;
  bool enabled_;
  LayoutMetrics m_;
};

}  // namespace

void TreeWindow::AskForContent() {
  if (props_.Number(kPropLoadType) != 1) return;
  const int columns = std::max<int>(1, model_.Cols().Count());
  for (Index node : TakeLinesToLoad(model_, layout_)) {
    for (int c = 1; c <= columns && hwnd_; ++c) host_.OnGetNode(node, static_cast<short>(c));
  }
}

void TreeWindow::OnPaint() {
  // The handlers fill the lines before they are painted (their changes only ask for another paint).
  AskForContent();
  if (!hwnd_) return;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  PaintInto(dc);
  EndPaint(hwnd_, &ps);
}

// Also answers WM_PRINTCLIENT, through which a container draws the control into its own DC.
void TreeWindow::PaintInto(HDC dc) {
  paintPending_ = false;
  UpdateScrollBar();
  const LayoutMetrics& m = layout_.Metrics();
  if (m.width > 0 && m.height > 0) {
    if (!bufferDc_) bufferDc_ = CreateCompatibleDC(dc);
    if (!buffer_ || bufferSize_.cx < m.width || bufferSize_.cy < m.height) {
      if (buffer_) DeleteObject(buffer_);
      buffer_ = controls::CreateBufferBitmap(m.width, m.height);
      bufferSize_ = SIZE{m.width, m.height};
    }
    HGDIOBJ oldBitmap = SelectObject(bufferDc_, buffer_);
    HGDIOBJ oldFont = SelectObject(bufferDc_, graphics_.MainFont());
    Painter(bufferDc_, model_, layout_, props_, graphics_, focused_, IsWindowEnabled(hwnd_) != FALSE).All();
    PaintDropMark(bufferDc_);
    BitBlt(dc, 0, 0, m.width, m.height, bufferDc_, 0, 0, SRCCOPY);
    SelectObject(bufferDc_, oldFont);
    SelectObject(bufferDc_, oldBitmap);
  }
}

}  // namespace kv::tree
