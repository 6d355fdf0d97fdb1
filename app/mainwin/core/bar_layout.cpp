// Stored bar layout and bar geometry (see bar_layout.h).
#include "app/mainwin/core/bar_layout.h"

namespace kv {

namespace {
struct ToolSpec {
  int Id;
  const char* Name;
  const char* Caption;
  const char* Category;
  ToolStyle Style;
  bool Visible;
  int Picture;
};

void AddTools(BarModel& bar, const std::string& band, const std::vector<ToolSpec>& tools) {
  for (const ToolSpec& s : tools) {
    BarTool* t = bar.AddTool(band, s.Id, s.Name);
    t->Caption = s.Caption;
    t->Category = s.Category;
    t->Style = s.Style;
    t->Visible = s.Visible;
    t->Picture = s.Picture;
  }
}

BarBand& AddGroup(BarModel& bar, const std::string& name, const std::string& caption) {
  BarBand* side = bar.Band("SideBar");
  side->Groups.push_back(BarBand{});
  BarBand& g = side->Groups.back();
  g.Name = name;
  g.Caption = caption;
  g.Kind = BandKind::SideGroup;
  return g;
}

const ToolStyle N = ToolStyle::Normal;
const ToolStyle S = ToolStyle::Separator;
const ToolStyle H = ToolStyle::ControlHost;
}  // namespace

void BuildMainBarLayout(BarModel& bar) {
  bar.AddBand("Menu", BandKind::MenuBar);
  AddTools(bar, "Menu", {{200, "toDatei", "400", "", N, true, 0},
                         {210, "toHelp", "401", "", N, true, 0},
                         {220, "toNet", "&Internet", "", N, true, 0}});
  bar.Tool("Menu", "toDatei")->SubBand = "muDatei";
  bar.Tool("Menu", "toHelp")->SubBand = "muHelp";
  bar.Tool("Menu", "toNet")->SubBand = "muNet";
  bar.AddBand("InfoLine", BandKind::Headline);
  AddTools(bar, "InfoLine", {{100, "FrmSet", "", "", H, true, 0}});
  bar.AddBand("SideBar", BandKind::SideBar);
  AddGroup(bar, "System", "440");
  AddGroup(bar, "Other", "441");
  AddTools(bar, "System", {{500, "sb1", "446", "445", N, true, 1},
                           {510, "sb2", "447", "445", N, true, 2},
                           {520, "sb3", "448", "445", N, true, 3},
                           {530, "sb4", "449", "445", N, true, 4},
                           {540, "sb5", "450", "445", N, true, 5}});
  AddTools(bar, "Other", {{600, "sb6", "456", "455", N, true, 6}, {700, "sb7", "457", "455", N, true, 7}});
  bar.AddBand("muDatei", BandKind::Popup);
  AddTools(bar, "muDatei", {{300, "btFkt", "410", "", N, false, 0},
                            {310, "btOpt", "411", "", N, true, 0},
                            {320, "Separator", "", "", S, true, 0},
                            {330, "btProfWh", "412", "", N, true, 0},
                            {340, "btProf", "413", "", N, true, 0},
                            {345, "btRegExp", "823", "", N, true, 0},  // restore window: profile as .reg
                            {350, "Tool0", "", "", N, false, 0},
                            {360, "Separator", "", "", S, true, 0},
                            {370, "btEnd", "414", "", N, true, 0}});
  bar.AddBand("muHelp", BandKind::Popup);
  AddTools(bar, "muHelp", {{400, "btThems", "420", "", N, true, 0},
                           {410, "Separator", "", "", S, true, 0},
                           {480, "btInfo", "425", "", N, true, 0}});
  bar.AddBand("muNet", BandKind::Popup);
  bar.AddBand("TreeViewStyle", BandKind::Popup);
  AddTools(bar, "TreeViewStyle", {{1000, "btFktInf", "465", "", N, true, 0},
                                  {1010, "btUndo", "466", "", N, true, 0},
                                  {1020, "hLine", "", "", S, true, 0},
                                  {1030, "btNormal", "467", "", N, true, 0},
                                  {1040, "btBaum", "468", "", N, true, 0},
                                  {1050, "btPlusMinus", "469", "", N, true, 0}});
  bar.AddBand("Banner", BandKind::Headline).Visible = false;
  AddTools(bar, "Banner", {{11, "FrmWerbe", "", "", H, true, 0}});
}

void BuildHostBarLayout(BarModel& host) {
  host.AddBand("Main", BandKind::Host);
  AddTools(host, "Main", {{0, "FormSet", "", "", H, true, 0}});
}

namespace {
void CollectTexts(BarBand& b, std::vector<std::string*>& out) {
  out.push_back(&b.Caption);
  for (BarTool& t : b.Tools) {
    out.push_back(&t.Caption);
    out.push_back(&t.Category);
  }
  for (BarBand& g : b.Groups) CollectTexts(g, out);
}
}  // namespace

std::vector<std::string*> BarTextsOf(BarModel& bar) {
  std::vector<std::string*> out;
  for (BarBand& b : bar.Bands()) CollectTexts(b, out);
  return out;
}

std::vector<BarItem> ComputeBarLayout(const BarModel& bar, int width, int height, const BarMetrics& m,
                                      const MeasureText& measure) {
  std::vector<BarItem> items;
  int top = 0;
  const BarBand* menu = bar.Band("Menu");
  if (menu && menu->Visible) {
    int x = 2;
    const int h = menu->Compact ? m.MenuHeight - 4 : m.MenuHeight;
    for (const BarTool& t : menu->Tools) {
      if (!t.Visible) continue;
      int w = measure(CaptionDisplayText(t.Caption)) + 2 * m.MenuItemPadding;
      items.push_back({BarItemKind::MenuItem, menu->Name, t.Name, -1, {x, 0, x + w, h}});
      x += w;
    }
    top = h;
  }
  const BarBand* side = bar.Band("SideBar");
  const int sideWidth = side && side->Visible ? m.SideBarWidth : 0;
  int clientTop = top;
  const BarBand* info = bar.Band("InfoLine");
  if (info && info->Visible) {
    items.push_back({BarItemKind::Headline, info->Name, "FrmSet", -1, {sideWidth, top, width, top + m.HeadlineHeight}});
    clientTop = top + m.HeadlineHeight;
  }
  if (sideWidth > 0) {
    const int groups = static_cast<int>(side->Groups.size());
    const int open = bar.ActiveGroup();
    int y = top;
    for (int g = 0; g <= open && g < groups; ++g) {
      items.push_back({BarItemKind::GroupHeader, side->Groups[g].Name, "", g, {0, y, sideWidth, y + m.GroupHeaderHeight}});
      y += m.GroupHeaderHeight;
    }
    int bottom = height - (groups - 1 - open) * m.GroupHeaderHeight;
    for (int g = open + 1; g < groups; ++g) {
      int gy = bottom + (g - open - 1) * m.GroupHeaderHeight;
      items.push_back({BarItemKind::GroupHeader, side->Groups[g].Name, "", g, {0, gy, sideWidth, gy + m.GroupHeaderHeight}});
    }
    if (open >= 0 && open < groups) {
      y += 6;
      for (const BarTool& t : side->Groups[open].Tools) {
        if (!t.Visible) continue;
        if (y + m.SideToolHeight > bottom) break;
        items.push_back({BarItemKind::SideTool, side->Groups[open].Name, t.Name, open, {0, y, sideWidth, y + m.SideToolHeight}});
        y += m.SideToolHeight;
      }
    }
  }
  items.push_back({BarItemKind::Client, "", "", -1, {sideWidth, clientTop, width, height > clientTop ? height : clientTop}});
  return items;
}

const BarItem* HitTest(const std::vector<BarItem>& items, int x, int y) {
  for (const BarItem& it : items)
    if (it.Kind != BarItemKind::Client && it.Rect.Contains(x, y)) return &it;
  return nullptr;
}

}  // namespace kv
