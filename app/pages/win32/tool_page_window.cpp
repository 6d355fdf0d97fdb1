// Tool page window (see tool_page_window.h).
#include "app/pages/win32/tool_page_window.h"

#include <windowsx.h>

#include "app/mainwin/core/localise_form.h"
#include "app/pages/win32/frame_window.h"
#include "app/pages/win32/kv_tree_control.h"
#include "app/pages/win32/page_buttons.h"
#include "app/pages/win32/tab_strip_window.h"
#include "app/pages/win32/ui_theme.h"
#include "app/pages/win32/window_object.h"
#include "app/pages/win32/win32_tree_view.h"

namespace kv {

namespace {
const char kClassName[] = "KvToolPage";
constexpr int kTabStripId = 100;
constexpr int kFirstTreeId = 200;
constexpr int kInfoButtonId = 300;
constexpr int kStyleButtonId = 301;
constexpr int kUndoButtonId = 302;
constexpr UINT kRestoreTab = WM_APP + 2;  // posted by the undo button: the page is replaced, not in its click
constexpr UINT kCheckClicked = WM_APP + 1;  // posted after the box of a line was toggled
constexpr int kMargin = 8;
constexpr int kButtonRow = 34;


// Page texts through the host's numbered texts, with the form's localisation rules.
Texts HostTexts(const PageHost& host) {
  return Texts([&host](int id) { return host.Text(id); }, 0);
}
}  // namespace

ToolPageWindow::ToolPageWindow(const PageLayout& layout, PageServices& services)
    : layout_(layout), services_(services), model_(layout, services.Functions(), services) {}

ToolPageWindow* ToolPageWindow::Create(HWND parent, const PageLayout& layout, PageServices& services) {
  RegisterWindowClassOnce(kClassName, &OwnedObjectProc<ToolPageWindow>);
  auto* self = new ToolPageWindow(layout, services);
  // Made in the size of its host, which it fills: its controls are laid out once, not again when placed.
  RECT host{};
  GetClientRect(parent, &host);
  CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, layout.FormName.c_str(), WS_CHILD | WS_CLIPCHILDREN, 0, 0,
                  host.right > 0 ? host.right : 100, host.bottom > 0 ? host.bottom : 100, parent, nullptr,
                  GetModuleHandleA(nullptr), self);
  self->Build();
  return self;
}

void ToolPageWindow::Build() {
  // Localise the designed texts: tab captions (> 0), frame and button captions (> 499).
  std::vector<std::string> tabCaptions;
  std::vector<std::vector<std::string>> frameCaptions;
  for (const TabLayout& t : layout_.Tabs) {
    tabCaptions.push_back(t.Caption);
    frameCaptions.push_back(t.Frames);
  }
  std::string info = "505";
  FormTexts form;
  for (std::string& c : tabCaptions) form.TabCaptions.push_back(&c);
  for (auto& frames : frameCaptions)
    for (std::string& c : frames) form.ControlCaptions.push_back(&c);
  form.ControlCaptions.push_back(&info);
  LocaliseForm(form, HostTexts(services_));

  tabs_ = TabStripWindow::Create(hwnd_, kTabStripId, tabCaptions, [this](int tab) {
    model_.SetTab(tab);
    ShowTab(tab);
  });
  frames_.resize(layout_.Tabs.size());
  panels_.resize(layout_.Tabs.size());
  frameCaptions_ = std::move(frameCaptions);
  bool hasTrees = false;
  for (const TabLayout& t : layout_.Tabs) hasTrees = hasTrees || t.TreePage > 0;
  infoButton_ = CreateInfoButton(hwnd_, kInfoButtonId, info);
  tabCaptions_ = tabCaptions;
  bool restores = false;
  for (const TabLayout& t : layout_.Tabs) restores = restores || t.RestoreGroup > 0;
  if (restores) undoButton_ = CreateCoolButton(hwnd_, kUndoButtonId, services_.Text(506), nullptr);
  if (hasTrees) styleButton_ = CreatePictureButton(hwnd_, kStyleButtonId);
  model_.Load();
  services_.PageLoaded(layout_.FormName);
  ShowTab(model_.Tab());  // makes and fills the shown tab's tree; the others follow when their tab shows
}

// A tab's frames are made the first time the tab is shown, like its tree.
void ToolPageWindow::EnsureFrames(int tab) {
  if (tab < 0 || tab >= static_cast<int>(frames_.size()) || !frames_[tab].empty()) return;
  for (const std::string& caption : frameCaptions_[tab]) {
    frames_[tab].push_back(CreateFrameWindow(hwnd_, caption));
  }
  panels_[tab] = services_.MakeOwnTabPanel(layout_.FormName, tab, hwnd_, frames_[tab]);
}

// A tab's tree is made and filled the first time the tab is shown: the page opens with one tree
// instead of all of them.
bool ToolPageWindow::EnsureTree(int tab) {
  if (tab < 0 || tab >= static_cast<int>(layout_.Tabs.size()) || layout_.Tabs[tab].TreePage <= 0) return false;
  for (int t : treeTabs_)
    if (t == tab) return false;
  trees_.push_back(MakeTree(tab));
  treeTabs_.push_back(tab);
  model_.AddTree(tab, trees_.back().get());
  trees_.back()->SetBackImage(services_.TreeBackImage());  // the page load's background step
  return true;
}

// The kvTreeView control with its events routed to the page model; the system tree view when the
// control's library is not available.
std::unique_ptr<TreeControl> ToolPageWindow::MakeTree(int tab) {
  const int id = kFirstTreeId + static_cast<int>(trees_.size());
  std::unique_ptr<KvTreeControl> kvTree = KvTreeControl::Create(hwnd_, id, services_.TreeViewStyle());
  if (!kvTree) {
    auto system = std::make_unique<Win32TreeView>(hwnd_, id, services_.TreeViewStyle());
    systemTrees_.push_back(system.get());
    return system;
  }
  systemTrees_.push_back(nullptr);
  KvTreeControl* tree = kvTree.get();
  auto onTab = [this, tab] { return model_.Tab() == tab; };
  auto button = [](short b) { return b == 1 ? kLeftButton : b == 2 ? kRightButton : 0; };
  treeclient::TreeEvents& e = tree->Events();
  e.nodeOver = [this, onTab](long node) { if (onTab()) model_.NodeOver(static_cast<int>(node)); };
  e.mouseDown = [this, onTab, button, tree](short b, short, long, long) {
    if (!onTab()) return;
    if (b == 2) SetFocus(tree->hwnd());
    model_.MouseDown(button(b));
    UpdateInfoButton();
  };
  e.mouseUp = [this, onTab, button](short b, short, long, long) {
    if (onTab() && model_.MouseUp(button(b))) services_.ShowTreeMenu(ContextMenuState(services_.RestoreAvailable()));
  };
  e.checkClick = [this, onTab](long node, short column, bool value) {
    if (!onTab() || node < 0) return;
    model_.CheckClick(static_cast<int>(node), column, value ? 1 : 0);
    UpdateInfoButton();
  };
  e.dblClick = [this, onTab] { if (onTab()) model_.DoubleClick(); };
  e.change = [this, onTab](long) {
    if (!onTab()) return;
    model_.SelectionChanged();
    UpdateInfoButton();
  };
  return kvTree;
}

void ToolPageWindow::SetTab(int tab) {
  if (tabs_) tabs_->SetTab(tab);  // raises the change handler when it changed
}

void ToolPageWindow::ShowTab(int tab) {
  const bool made = EnsureTree(tab);
  EnsureFrames(tab);
  for (std::size_t i = 0; i < trees_.size(); ++i) ShowWindow(trees_[i]->hwnd(), treeTabs_[i] == tab ? SW_SHOW : SW_HIDE);
  for (std::size_t t = 0; t < frames_.size(); ++t)
    for (HWND f : frames_[t]) ShowWindow(f, static_cast<int>(t) == tab ? SW_SHOW : SW_HIDE);
  for (std::size_t t = 0; t < panels_.size(); ++t)
    if (panels_[t]) panels_[t]->Show(static_cast<int>(t) == tab);
  Layout();
  if (made) trees_.back()->ScrollToTop();
  UpdateInfoButton();
}

void ToolPageWindow::UpdateInfoButton() {
  if (infoButton_) infoButton_->SetEnabled(model_.InfoEnabled());
  const int tab = model_.Tab();
  const bool group = tab >= 0 && tab < static_cast<int>(layout_.Tabs.size()) && layout_.Tabs[tab].RestoreGroup > 0;
  if (undoButton_) undoButton_->SetEnabled((group && services_.RestoreAvailable()) || CurrentPanelRestores());
}

bool ToolPageWindow::CurrentPanelRestores() const {
  const int tab = model_.Tab();
  return tab >= 0 && tab < static_cast<int>(panels_.size()) && panels_[tab] && panels_[tab]->HasOwnRestore();
}

void ToolPageWindow::RestoreCurrentTab() {
  const int tab = model_.Tab();
  if (CurrentPanelRestores()) {
    panels_[tab]->Restore();
    return;
  }
  if (tab < 0 || tab >= static_cast<int>(layout_.Tabs.size()) || layout_.Tabs[tab].RestoreGroup <= 0) return;
  if (!services_.RestoreAvailable()) return;
  const std::string caption = tab < static_cast<int>(tabCaptions_.size()) ? tabCaptions_[tab] : std::string();
  services_.OpenRestoreGroup(layout_.Tabs[tab].RestoreGroup, caption);  // unloads this page: nothing after it
}

void ToolPageWindow::Layout() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  const int w = rc.right, h = rc.bottom;
  if (tabs_) MoveWindow(tabs_->hwnd(), kMargin, kMargin, w - 2 * kMargin, kTabStripHeight, TRUE);
  const int top = kMargin + kTabStripHeight + 6;
  const int bottom = h - kButtonRow;
  for (auto& tree : trees_) {
    MoveWindow(tree->hwnd(), kMargin, top, w - 2 * kMargin, bottom - top, TRUE);
    tree->RefreshLayout();
  }
  for (auto& frames : frames_) {
    if (frames.empty()) continue;
    const int n = static_cast<int>(frames.size());
    const int each = (bottom - top) / n;
    for (int i = 0; i < n; ++i) MoveWindow(frames[i], kMargin, top + i * each, w - 2 * kMargin, each - 6, TRUE);
  }
  for (std::size_t t = 0; t < panels_.size(); ++t)
    if (panels_[t]) panels_[t]->Layout(frames_[t]);
  const int buttonTop = h - kButtonRow + 5;
  if (infoButton_) infoButton_->Move(RECT{w - kMargin - 96, buttonTop, w - kMargin, buttonTop + 24});
  if (styleButton_) styleButton_->Move(RECT{w - kMargin - 96 - 30, buttonTop, w - kMargin - 96 - 6, buttonTop + 24});
  if (undoButton_) undoButton_->Move(RECT{kMargin, buttonTop, kMargin + 96, buttonTop + 24});
}

LRESULT ToolPageWindow::Notify(NMHDR* header) {
  LRESULT result = 0;
  for (auto& panel : panels_)
    if (panel && panel->Notify(header, &result)) return result;
  const int id = static_cast<int>(header->idFrom);
  if (id < kFirstTreeId || id >= kFirstTreeId + static_cast<int>(trees_.size())) return 0;
  if (!systemTrees_[id - kFirstTreeId]) return 0;  // the kvTreeView control reports through its events
  Win32TreeView& tree = *systemTrees_[id - kFirstTreeId];
  if (header->code == NM_CUSTOMDRAW) return tree.CustomDraw(reinterpret_cast<NMTVCUSTOMDRAW*>(header));
  if (treeTabs_[id - kFirstTreeId] != model_.Tab()) return 0;
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(tree.hwnd(), &p);
  bool onBox = false;
  const int line = tree.HitTest(p, &onBox);
  switch (header->code) {
    case NM_CLICK:
      model_.NodeOver(line);
      model_.MouseDown(kLeftButton);
      if (onBox && tree.ToggleCheck(line))
        PostMessageA(hwnd_, kCheckClicked, static_cast<WPARAM>(id - kFirstTreeId), line);
      return 0;
    case NM_DBLCLK:
      if (onBox) return 0;
      model_.NodeOver(line);
      model_.DoubleClick();
      return 0;
    case NM_RCLICK:
      model_.NodeOver(line);
      SetFocus(tree.hwnd());
      model_.MouseDown(kRightButton);
      UpdateInfoButton();
      if (model_.MouseUp(kRightButton)) services_.ShowTreeMenu(ContextMenuState(services_.RestoreAvailable()));
      return 1;
    case TVN_KEYDOWN: {
      // Space switches the selected line's box, like a click on it.
      const int selected = tree.Selected();
      if (reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey == VK_SPACE && tree.ToggleCheck(selected))
        PostMessageA(hwnd_, kCheckClicked, static_cast<WPARAM>(id - kFirstTreeId), selected);
      return 0;
    }
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
      model_.SelectionChanged();
      UpdateInfoButton();
      return 0;
    default:
      return 0;
  }
}

void ToolPageWindow::Command(int id, int code) {
  for (auto& panel : panels_)
    if (panel && panel->Command(id, code)) return;
  if (id == kInfoButtonId) model_.PopupMenuClick(1000);
  if (id == kUndoButtonId) PostMessageA(hwnd_, kRestoreTab, 0, 0);
  if (id == kStyleButtonId) services_.ShowTreeMenu(StyleMenuState(services_.TreeViewStyle()));
}

void ToolPageWindow::Paint() { ui::PaintPageBackground(hwnd_, kButtonRow); }

void ToolPageWindow::Unload() {
  services_.PageUnloading(layout_.FormName);
  DestroyWindow(hwnd_);
}

LRESULT ToolPageWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE: Layout(); return 0;
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_NOTIFY: return Notify(reinterpret_cast<NMHDR*>(lp));
    case WM_COMMAND: Command(LOWORD(wp), HIWORD(wp)); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wp), ui::kPageBack);
      SetTextColor(reinterpret_cast<HDC>(wp), ui::kAccentDark);
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case kRestoreTab: RestoreCurrentTab(); return 0;
    case kCheckClicked: {
      TreeControl& tree = *trees_[wp];
      model_.CheckClick(static_cast<int>(lp), 1, tree.NodeColumnCheck(static_cast<int>(lp), 1));
      UpdateInfoButton();
      return 0;
    }
    default: return DefWindowProcA(hwnd_, msg, wp, lp);
  }
}

}  // namespace kv
