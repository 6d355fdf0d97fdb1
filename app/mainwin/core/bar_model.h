// Model of the bar control that carries the main window's menu bar, headline band, side bar, pop-up
// menus and page host: bands and tools addressed by name, their states, and the three events.
// No windows here; bar_window draws it and turns input into the model's events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

enum class ToolStyle { Normal, Separator, ControlHost };

struct BarTool {
  int Id = 0;
  std::string Name;
  std::string Caption;   // "&" marks the access key, "&&" is a literal ampersand
  std::string Category;
  std::string Tag;
  int Picture = 0;       // 0 = none
  ToolStyle Style = ToolStyle::Normal;
  bool Enabled = true;
  bool Visible = true;
  bool Checked = false;
  std::uintptr_t HostedControl = 0;  // window handle of a hosted control
  std::string SubBand;               // menu-bar tools: the band opened as their menu
};

enum class BandKind { MenuBar, Popup, Headline, SideBar, SideGroup, Host };

// Background and text colours of a band (used by the side bar); colours are 0x00BBGGRR.
enum BandBackStyle { kBackSingleColour = 0, kBackGradient = 1, kBackPattern = 2 };
struct BandLook {
  int BackStyle = kBackGradient;
  std::uint32_t BackColor = 0xA06234;       // RGB(52, 98, 160)
  std::uint32_t BackEndColor = 0x6C3C1E;    // RGB(30, 60, 108)
  std::uint32_t FolderTextColor = 0xFFFFFF;  // group names
  std::uint32_t ToolTextColor = 0xFFFFFF;    // tool names
};

struct BarBand {
  std::string Name;
  std::string Caption;
  BandKind Kind = BandKind::Popup;
  bool Visible = true;
  bool Compact = false;
  BandLook Look;
  std::vector<BarTool> Tools;
  std::vector<BarBand> Groups;  // side-bar groups (bands inside the side bar)
};

// Receives the bar's events. Defaults do nothing.
class BarEvents {
 public:
  virtual ~BarEvents() = default;
  virtual void ToolClick(const BarBand& band, const BarTool& tool) { (void)band; (void)tool; }
  virtual void BandOpen(const BarBand& band, bool* cancel) { (void)band; (void)cancel; }
  virtual void GroupChange(int newGroup) { (void)newGroup; }
};

inline constexpr const char* kCustomizeBand = "SysCustomize";

class BarModel {
 public:
  BarBand& AddBand(const std::string& name, BandKind kind, const std::string& caption = std::string());
  // Band by name (top-level bands and side-bar groups); nullptr when unknown.
  BarBand* Band(const std::string& name);
  const BarBand* Band(const std::string& name) const;
  std::vector<BarBand>& Bands() { return bands_; }
  const std::vector<BarBand>& Bands() const { return bands_; }

  BarTool* Tool(const std::string& band, const std::string& name);
  // First tool with this id in a band and its groups.
  BarTool* ToolById(const std::string& band, int id);
  // Appends a tool; returns nullptr when the band does not exist.
  BarTool* AddTool(const std::string& band, int id, const std::string& name);
  // Removes the first tool of that name; false when there is none.
  bool RemoveTool(const std::string& band, const std::string& name);
  bool SetBandVisible(const std::string& band, bool visible);
  // Sets a band's look; a style other than 0..2 keeps the current style, colours keep their low 24 bits.
  // False when the band does not exist.
  bool SetBandLook(const std::string& band, const BandLook& look);

  // Menu animation style: 1 animated, 2 plain.
  int MenuAnimation() const { return menuAnimation_; }
  void SetMenuAnimation(int style) { menuAnimation_ = style == 1 ? 1 : 2; }

  // Side bar: index of the open group inside the band "SideBar".
  int ActiveGroup() const { return activeGroup_; }
  // Opens another group; raises GroupChange only when it changed.
  void SelectGroup(int group);

  void SetEvents(BarEvents* events) { events_ = events; }
  // A band is about to open as a menu: raises BandOpen; "SysCustomize" is always cancelled.
  // Returns true when the band may open.
  bool RequestOpen(const std::string& band);
  // A tool was chosen; disabled, hidden and separator tools raise nothing. Returns true when raised.
  bool Click(const std::string& band, const std::string& toolName);
  bool ClickId(const std::string& band, int id);

  // Layout generation, bumped by every structural change and by RecalcLayout, so views know to re-lay out.
  unsigned Generation() const { return generation_; }
  void RecalcLayout() { ++generation_; }

 private:
  bool Raise(const BarBand& band, const BarTool& tool);
  std::vector<BarBand> bands_;
  BarEvents* events_ = nullptr;
  int menuAnimation_ = 2;
  int activeGroup_ = 0;
  unsigned generation_ = 0;
};

// Caption helpers: text without access-key marks, and the access key itself (upper case, 0 = none).
std::string CaptionDisplayText(const std::string& caption);
char CaptionAccessKey(const std::string& caption);

}  // namespace kv
