// The main window's stored bar layout (bands, tools, ids, designed captions and categories) and the
// geometry of the bar: where the menu items, headline, side-bar groups and tools and the client area lie.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/mainwin/core/bar_model.h"

namespace kv {

// Fills `bar` (the main window's ActiveBar) with the designed layout; captions are string ids until
// the form is localised.
void BuildMainBarLayout(BarModel& bar);
// Fills `host` (ActiveBar2) with band "Main" and its tool "FormSet" (id 0 until the first page switch).
void BuildHostBarLayout(BarModel& host);

// Every caption, category and band caption of a bar, for form localisation.
std::vector<std::string*> BarTextsOf(BarModel& bar);

struct BarRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
};

enum class BarItemKind { MenuItem, Headline, GroupHeader, SideTool, Client };

struct BarItem {
  BarItemKind Kind;
  std::string Band;      // band of the tool (menu bar, side-bar group) or of the header
  std::string ToolName;  // empty for group headers, the headline and the client area
  int Group = -1;        // side-bar group index for headers and side tools
  BarRect Rect;
};

struct BarMetrics {
  int MenuHeight = 22;
  int MenuItemPadding = 8;   // left and right of a menu caption
  int HeadlineHeight = 34;
  int SideBarWidth = 132;
  int GroupHeaderHeight = 24;
  int SideToolHeight = 58;
};

// Text width in pixels of a caption as drawn.
using MeasureText = std::function<int(const std::string& text)>;

// Items of the bar in drawing order. The side bar shows the headers of groups up to the open one at the
// top, the open group's visible tools below them and the remaining headers at the bottom.
std::vector<BarItem> ComputeBarLayout(const BarModel& bar, int width, int height, const BarMetrics& m,
                                      const MeasureText& measure);

// The item under a point, or nullptr.
const BarItem* HitTest(const std::vector<BarItem>& items, int x, int y);

}  // namespace kv
