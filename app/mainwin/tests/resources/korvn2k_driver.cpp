// Driving korvn2k.exe with posted messages (see korvn2k_driver.h).
#include "app/mainwin/tests/resources/korvn2k_driver.h"

#include <cstdint>

#include "app/mainwin/tests/e2e/remote_tree_line.h"
#include "treelist/include/kvtree_messages.h"

namespace kvres {

namespace {

using kvbench::NowMs;
using kvbench::WindowText;

constexpr double kStepLimitMs = 20000;  // a loaded machine: one step may take seconds, never this long
constexpr int kInfoButtonId = 300;      // the page's buttons
constexpr int kUndoButtonId = 302;
constexpr int kRestoreCancelId = 404;   // the restore window's Cancel

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

bool OfProcess(HWND window, DWORD processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == processId;
}

HWND FindShownTop(DWORD processId, const char* windowClass) {
  for (HWND w = FindWindowExA(nullptr, nullptr, windowClass, nullptr); w; w = FindWindowExA(nullptr, w, windowClass, nullptr))
    if (OfProcess(w, processId) && IsWindowVisible(w)) return w;
  return nullptr;
}

struct VisibleChild {
  const char* Class;
  HWND Found;
};

BOOL CALLBACK MatchVisibleChild(HWND window, LPARAM param) {
  auto* match = reinterpret_cast<VisibleChild*>(param);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, match->Class) != 0 || !IsWindowVisible(window)) return TRUE;
  match->Found = window;
  return FALSE;
}

HWND FindVisibleChild(HWND parent, const char* windowClass) {
  if (!parent) return nullptr;
  VisibleChild match{windowClass, nullptr};
  EnumChildWindows(parent, MatchVisibleChild, reinterpret_cast<LPARAM>(&match));
  return match.Found;
}

template <typename Condition>
bool WaitUntil(Condition condition, double limitMs) {
  const double start = NowMs();
  while (!condition()) {
    if (NowMs() - start > limitMs) return false;
    Sleep(5);
  }
  return true;
}

void PostClick(HWND window, LPARAM at) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
}

BOOL CALLBACK DescribeShown(HWND window, LPARAM param) {
  auto* list = reinterpret_cast<std::pair<DWORD, std::string>*>(param);
  if (!IsWindowVisible(window)) return TRUE;
  HWND top = GetAncestor(window, GA_ROOT);
  if (!OfProcess(top, list->first)) return TRUE;
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  list->second += std::string("\n    ") + (top == window ? "" : "  ") + name + " '" + WindowText(window) + "'";
  if (top == window) EnumChildWindows(window, DescribeShown, param);
  return TRUE;
}

}  // namespace

bool Korvn2kDriver::Fail(const std::string& what) {
  if (!failure_.empty()) return false;
  // What was on screen, to see where the program stood.
  std::pair<DWORD, std::string> shown{ProcessId(), ""};
  EnumWindows(DescribeShown, reinterpret_cast<LPARAM>(&shown));
  failure_ = what + "; shown windows:" + shown.second;
  return false;
}

bool Korvn2kDriver::Start(const std::string& path) {
  const std::string folder = path.substr(0, path.find_last_of('\\'));
  program_ = kvbench::StartProgram("\"" + path + "\"", folder);
  if (!program_.Running()) return Fail("cannot start " + path);
  if (kvbench::WaitForShownWindow(program_, "KvKorvaneMain", 60000, &main_) < 0) return Fail("no main window shown");
  if (!kvbench::WaitUntilGone(program_, "KvAbout", 15000)) return Fail("the splash did not close");
  bar_ = kvbench::FindChildByClass(main_, "KvBar");
  headline_ = kvbench::FindChildByClass(main_, "KvHeadline");
  if (!bar_ || !headline_) return Fail("side bar or headline not found");
  return Idle();
}

void Korvn2kDriver::Stop() {
  if (program_.Running() && !kvbench::CloseProgram(program_, main_, 15000)) Fail("the program had to be ended by force");
}

bool Korvn2kDriver::Idle() {
  DWORD_PTR unused = 0;
  // The program answers again once what it was doing has ended (a sent message is handled at its next
  // look at its queue, possibly before something posted to it just now: effects are waited for).
  if (!SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(kStepLimitMs), &unused))
    return Fail("the main window does not answer");
  return true;
}

bool Korvn2kDriver::WaitForHeadlineChange(const std::string& before) {
  if (!WaitUntil([&] { return WindowText(headline_) != before; }, kStepLimitMs))
    return Fail("the headline stayed '" + before + "'");
  return Idle();
}

// Side-bar geometry as the bar draws it: tools 58 pixels high from y = 52, centred at x = 66.
bool Korvn2kDriver::ClickSideTool(int index) {
  const std::string before = WindowText(headline_);
  PostClick(bar_, Point(66, 52 + 58 * index + 29));
  return WaitForHeadlineChange(before);
}

// Group headers: System below the menu (y = 22 + 12), Other at the foot of the bar.
bool Korvn2kDriver::ClickGroup(bool other) {
  RECT bar{};
  GetClientRect(bar_, &bar);
  PostClick(bar_, other ? Point(40, bar.bottom - 12) : Point(40, 22 + 12));
  return Idle();
}

bool Korvn2kDriver::PageRound() {
  for (int i = 1; i <= 4; ++i)
    if (!ClickSideTool(i)) return false;
  return ClickGroup(true) && ClickSideTool(0) && ClickSideTool(1) && ClickGroup(false) && ClickSideTool(0);
}

// Alt+F opens the File menu (a pop-up menu with its own modal loop, which reads the keys posted to
// the thread); the item's access key chooses it.
bool Korvn2kDriver::ChooseFileMenu(char accessKey) {
  PostMessageA(main_, WM_SYSCHAR, 'f', 0);
  if (!WaitForShown("#32768", kStepLimitMs)) return Fail("Alt+F did not open the File menu");
  PostMessageA(bar_, WM_CHAR, static_cast<WPARAM>(accessKey), 0);
  return true;
}

HWND Korvn2kDriver::Page() const { return FindVisibleChild(main_, "KvToolPage"); }
HWND Korvn2kDriver::VisibleTree() const { return FindVisibleChild(Page(), "kvTreeView"); }

HWND Korvn2kDriver::WaitForShown(const char* windowClass, double limitMs) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindShownTop(ProcessId(), windowClass)) != nullptr; }, limitMs);
  return found;
}

bool Korvn2kDriver::CancelAndWaitGone(HWND dialog, const std::string& what) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  if (!WaitUntil([&] { return !IsWindow(dialog); }, kStepLimitMs)) return Fail(what + " did not close on Cancel");
  return Idle();
}

// The pointer moves onto the line's text, then the two presses of a double click.
bool Korvn2kDriver::DoubleClickTreeLine(int line) {
  HWND tree = VisibleTree();
  RECT r{};
  if (!tree || !kvtest::RemoteTreeLineRect(tree, line, KVTREE_PART_TEXT, &r))
    return Fail("tree line " + std::to_string(line) + " not on screen");
  const LPARAM at = Point((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageA(tree, WM_MOUSEMOVE, 0, at);
  PostClick(tree, at);
  PostMessageA(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(tree, WM_LBUTTONUP, 0, at);
  return true;
}

bool Korvn2kDriver::SettingDialog(int settingLine) {
  if (!DoubleClickTreeLine(settingLine)) return false;
  HWND dialog = WaitForShown("Korvane2K.FormB", kStepLimitMs);
  if (!dialog) return Fail("the setting dialog did not open");
  return CancelAndWaitGone(dialog, "the setting dialog");
}

bool Korvn2kDriver::ProgramOptions() {
  if (!ChooseFileMenu('o')) return false;
  HWND dialog = WaitForShown("Korvane2K.FormA", kStepLimitMs);
  if (!dialog) return Fail("the program options did not open");
  return CancelAndWaitGone(dialog, "the program options");
}

bool Korvn2kDriver::RestoreWindow() {
  const std::string page = WindowText(headline_);
  if (!ChooseFileMenu('r')) return false;
  HWND restore = nullptr;
  if (!WaitUntil([&] { return (restore = FindVisibleChild(main_, "KvRestorePage")) != nullptr; }, kStepLimitMs))
    return Fail("the restore window did not open");
  if (!Idle()) return false;  // its profile is loaded once it shows
  PostMessageA(restore, WM_COMMAND, MAKEWPARAM(kRestoreCancelId, BN_CLICKED), 0);
  if (!WaitUntil([&] { return !IsWindow(restore) && WindowText(headline_) == page; }, kStepLimitMs))
    return Fail("Cancel did not lead from the restore window back to '" + page + "'");
  return Idle();
}

bool Korvn2kDriver::HelpBox() {
  PostMessageA(Page(), WM_COMMAND, MAKEWPARAM(kInfoButtonId, BN_CLICKED), 0);
  HWND box = nullptr;
  const bool shown = WaitUntil([&] {
    box = FindShownTop(ProcessId(), "#32770");
    return box && FindVisibleChild(box, "KvHelpArea");
  }, kStepLimitMs);
  if (!shown) return Fail("the info button did not show the help box");
  return CancelAndWaitGone(box, "the help box");
}

// Which of the page's tabs shows: its function tree or its frames, whichever are visible.
std::string Korvn2kDriver::ShownTabWindows() const {
  std::string shown;
  for (const char* windowClass : {"kvTreeView", "KvFrame"}) {
    HWND page = Page();
    for (HWND w = FindWindowExA(page, nullptr, windowClass, nullptr); w; w = FindWindowExA(page, w, windowClass, nullptr))
      if (IsWindowVisible(w)) shown += std::to_string(reinterpret_cast<std::uintptr_t>(w)) + " ";
  }
  return shown;
}

// The boot parameters tab is the strip's third (General, Logon Screen, Boot Parameters): found once by
// clicking along the strip from the left and counting the changes of what the page shows.
bool Korvn2kDriver::ShowBootParametersTab() {
  HWND strip = FindVisibleChild(Page(), "KvTabStrip");
  if (!strip) return Fail("no tab strip on the Boot options page");
  // A sent message can be handled before a click posted earlier: the click's effect is waited for.
  auto clickChanges = [&](int x, double limitMs) {
    const std::string before = ShownTabWindows();
    PostClick(strip, Point(x, 13));
    return WaitUntil([&] { return ShownTabWindows() != before; }, limitMs) && Idle();  // the tab is complete
  };
  if (bootTabX_ >= 0) return clickChanges(bootTabX_, kStepLimitMs) || Fail("the boot parameters tab did not show");
  RECT r{};
  GetClientRect(strip, &r);
  int changes = 0;
  for (int x = 4; x < r.right; x += 12) {
    if (!clickChanges(x, 300)) continue;
    if (++changes == 2) {
      bootTabX_ = x;
      return true;
    }
  }
  return Fail("no third tab on the Boot options page");
}

bool Korvn2kDriver::MessageDialog() {
  if (!ClickSideTool(1) || !ShowBootParametersTab()) return false;
  // The undo button of a tab with its own restore asks before it restores the boot file.
  PostMessageA(Page(), WM_COMMAND, MAKEWPARAM(kUndoButtonId, BN_CLICKED), 0);
  HWND dialog = WaitForShown("#32770", kStepLimitMs);
  if (!dialog) return Fail("the boot parameters' Undo did not ask its question");
  return CancelAndWaitGone(dialog, "the message dialog") && ClickSideTool(0);
}

bool Korvn2kDriver::IconPicker() {
  if (!ClickGroup(true) || !ClickSideTool(0) || !DoubleClickTreeLine(0)) return false;
  HWND dialog = WaitForShown("#32770", kStepLimitMs);
  if (!dialog) return Fail("a double-click on the first icon line did not open the icon picker");
  return CancelAndWaitGone(dialog, "the icon picker") && ClickGroup(false) && ClickSideTool(0);
}

}  // namespace kvres
