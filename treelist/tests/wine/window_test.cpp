// kvTreeView under Wine, driven the way Wine's comctl32 tests drive controls: send the window
// messages a user's input produces, record every event the control fires through its connection
// point (via the client header our programs use), and compare with the expected sequence.
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "treelist/include/kvtree_client.h"

namespace {

using kv::treeclient::TreeList;

const char* EventName(DISPID id) {
  switch (id) {
    case -600:
      return "Click";
    case -601:
      return "DblClick";
    case -602:
      return "KeyDown";
    case -603:
      return "KeyPress";
    case -604:
      return "KeyUp";
    case -605:
      return "MouseDown";
    case -606:
      return "MouseMove";
    case -607:
      return "MouseUp";
    case 1:
      return "Change";
    case 2:
      return "Collapse";
    case 3:
      return "Expand";
    case 4:
      return "DropNode";
    case 5:
      return "RightClick";
    case 6:
      return "DragNode";
    case 7:
      return "ClickClip";
    case 8:
      return "NodeOver";
    case 9:
      return "CtrlError";
    case 10:
      return "ColumnResize";
    case 11:
      return "GetNode";
    case 12:
      return "StartDragOut";
    case 13:
      return "SetTips";
    case 14:
      return "AfterLabelEdit";
    case 15:
      return "SetLabelEdit";
    case 16:
      return "CheckClick";
    case 17:
      return "RadioClick";
    case 18:
      return "BeforeLabelEdit";
    case 19:
      return "BeforeSort";
    case 20:
      return "HeaderClick";
    case 21:
      return "HeaderDblClick";
    default:
      return "?";
  }
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class TreeWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    // Hidden: messages are sent straight to the control (showing a window costs Wine seconds).
    parent_ = CreateWindowExW(0, L"STATIC", L"tree test", WS_POPUP, 0, 0, 420, 320, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    tree_.events.any = [this](DISPID id, const kv::com::EventArgs& args) {
      if (id == -606 || id == 8 || id == -604 || id == -603) return;  // moves, hovering, key up/press
      std::ostringstream line;
      line << EventName(id);
      // Mouse positions vary with the font: keep only button and shift.
      UINT shown = (id == -605 || id == -607) ? 2 : args.Count();
      for (UINT i = 0; i < shown; ++i)
        line << ' ' << (id == 14 && i == 1 ? Narrow(args.Text(i)) : std::to_string(args.Long(i)));
      log_.push_back(line.str());
    };
    ASSERT_TRUE(tree_.Create(parent_, RECT{0, 0, 300, 200}, 100));
    hwnd_ = tree_.Window();
    ASSERT_NE(hwnd_, nullptr);
  }
  void TearDown() override {
    tree_.Destroy();
    DestroyWindow(parent_);
    OleUninitialize();
  }

  // A group (0) with children A (1) and B (2), and a root "Other" (3); the group is expanded.
  void FillSmallTree() {
    tree_.AddNode(L"Group", 0, 1);
    tree_.AddNode(L"A", 0, 2);
    tree_.AddNode(L"B", 0, 2);
    tree_.AddNode(L"Other", 0, 1);
    tree_->put_NodeExpanded(0, VARIANT_TRUE);
    UpdateWindow(hwnd_);
    log_.clear();
  }

  bool PartRect(long node, int part, RECT& rect) {
    rect = RECT{part, 0, 0, 0};
    return SendMessageW(hwnd_, KVTM_GETITEMRECT, WPARAM(node), reinterpret_cast<LPARAM>(&rect)) != 0;
  }
  void ClickAt(UINT down, UINT up, int x, int y) {
    SendMessageW(hwnd_, down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(hwnd_, up, 0, MAKELPARAM(x, y));
  }
  void Click(long node, int part) {
    RECT r;
    ASSERT_TRUE(PartRect(node, part, r)) << "node " << node << " part " << part;
    ClickAt(WM_LBUTTONDOWN, WM_LBUTTONUP, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  void Key(WPARAM key) { SendMessageW(hwnd_, WM_KEYDOWN, key, 0); }
  long ItemsOpen() {
    LONG count = 0;
    tree_->ItemsOpen(&count);
    return count;
  }

  // Compares the recorded events with `expected` and prints both on a mismatch.
  void ExpectEvents(const std::vector<std::string>& expected, int line) {
    std::ostringstream got, want;
    for (const auto& e : log_) got << "  " << e << "\n";
    for (const auto& e : expected) want << "  " << e << "\n";
    EXPECT_EQ(log_, expected) << "called from line " << line << "\nexpected:\n" << want.str() << "got:\n" << got.str();
    log_.clear();
  }

  HWND parent_ = nullptr;
  HWND hwnd_ = nullptr;
  TreeList tree_;
  std::vector<std::string> log_;
};

#define EXPECT_EVENTS(...) ExpectEvents(std::vector<std::string>{__VA_ARGS__}, __LINE__)

TEST_F(TreeWindowTest, ClickInCheckBoxFlipsItAndFiresCheckClickOnce) {
  FillSmallTree();
  Click(1, KVTREE_PART_CHECK);
  EXPECT_EVENTS("MouseDown 1 0", "Change 1", "CheckClick 1 1 -1", "MouseUp 1 0", "Click");
  EXPECT_EQ(tree_.NodeCheck(1), 1);
  Click(1, KVTREE_PART_CHECK);
  EXPECT_EVENTS("MouseDown 1 0", "CheckClick 1 1 0", "MouseUp 1 0", "Click");
  EXPECT_EQ(tree_.NodeCheck(1), 0);
}

TEST_F(TreeWindowTest, CheckClickSeesTheStoredValue) {
  FillSmallTree();
  short seen = -1;
  tree_.events.checkClick = [&](long index, short column, bool) { seen = tree_.NodeCheck(index, column); };
  tree_.SetNodeCheck(2, 2);
  Click(2, KVTREE_PART_CHECK);
  EXPECT_EQ(seen, 0) << "the third state goes off, and is stored before the event";
}

TEST_F(TreeWindowTest, NodeWithoutChecksHasNoCheckBox) {
  FillSmallTree();
  tree_->put_NodeShowChecks(3, VARIANT_FALSE);
  RECT r;
  EXPECT_FALSE(PartRect(3, KVTREE_PART_CHECK, r));
  ASSERT_TRUE(PartRect(3, KVTREE_PART_TEXT, r));
  ClickAt(WM_LBUTTONDOWN, WM_LBUTTONUP, r.left + 2, (r.top + r.bottom) / 2);
  EXPECT_EVENTS("MouseDown 1 0", "Change 3", "MouseUp 1 0", "Click");
}

TEST_F(TreeWindowTest, KeysMoveTheSelectionFiringChange) {
  FillSmallTree();
  tree_.SetSelected(0);
  EXPECT_EVENTS("Change 0");
  Key(VK_DOWN);
  EXPECT_EVENTS("KeyDown 40 0", "Change 1");
  Key(VK_END);
  EXPECT_EVENTS("KeyDown 35 0", "Change 3");
  Key(VK_DOWN);
  EXPECT_EVENTS("KeyDown 40 0");  // already on the last line
  Key(VK_PRIOR);
  EXPECT_EVENTS("KeyDown 33 0", "Change 0");
  Key(VK_NEXT);
  EXPECT_EVENTS("KeyDown 34 0", "Change 3");
  Key(VK_HOME);
  EXPECT_EVENTS("KeyDown 36 0", "Change 0");
  Key(VK_RIGHT);
  EXPECT_EVENTS("KeyDown 39 0", "Change 1");  // an expanded parent: to its first child
  Key(VK_LEFT);
  EXPECT_EVENTS("KeyDown 37 0", "Change 0");  // a child: to its parent
}

TEST_F(TreeWindowTest, KeyDownHandlerCanSwallowTheKey) {
  FillSmallTree();
  tree_.SetSelected(0);
  tree_.events.keyDown = [](short& key, short) { key = 0; };
  log_.clear();
  Key(VK_DOWN);
  EXPECT_EVENTS("KeyDown 40 0");
  EXPECT_EQ(tree_.Selected(), 0);
}

TEST_F(TreeWindowTest, CollapseHidesChildren) {
  FillSmallTree();
  EXPECT_EQ(ItemsOpen(), 4);
  RECT before, after;
  ASSERT_TRUE(PartRect(3, KVTREE_PART_LINE, before));
  Click(0, KVTREE_PART_PLUS);
  EXPECT_EVENTS("MouseDown 1 0", "Collapse 0", "MouseUp 1 0", "Click");
  EXPECT_EQ(ItemsOpen(), 2);
  VARIANT_BOOL visible = VARIANT_TRUE;
  tree_->NodeVisible(1, &visible);
  EXPECT_EQ(visible, VARIANT_FALSE);
  RECT hidden;
  EXPECT_FALSE(PartRect(1, KVTREE_PART_LINE, hidden));
  ASSERT_TRUE(PartRect(3, KVTREE_PART_LINE, after));
  EXPECT_EQ(after.top, before.top - 2 * (before.bottom - before.top)) << "Other moved up two lines";
  EXPECT_EQ(tree_.Selected(), -1) << "the plus box does not select";
  tree_.SetSelected(0);
  log_.clear();
  Key(VK_RETURN);
  EXPECT_EVENTS("KeyDown 13 0", "Expand 0");
  EXPECT_EQ(ItemsOpen(), 4);
  Key(VK_SPACE);
  EXPECT_EVENTS("KeyDown 32 0", "Collapse 0");
}

TEST_F(TreeWindowTest, CollapsingMovesAHiddenSelectionToTheGroup) {
  FillSmallTree();
  tree_->put_CloseOnCollapse(VARIANT_TRUE);
  LONG inner = -1;
  tree_->InsertNode(kv::treeclient::detail::Bstr(L"B1"), 3, 3, &inner);  // child of B (2), before Other
  ASSERT_EQ(inner, 3);
  tree_->put_NodeExpanded(2, VARIANT_TRUE);
  tree_.SetSelected(3);
  log_.clear();
  Click(0, KVTREE_PART_PLUS);
  EXPECT_EVENTS("MouseDown 1 0", "Change 0", "Collapse 0", "MouseUp 1 0", "Click");
  VARIANT_BOOL expanded = VARIANT_TRUE;
  tree_->get_NodeExpanded(2, &expanded);
  EXPECT_EQ(expanded, VARIANT_FALSE) << "CloseOnCollapse closes the inner groups too";
}

TEST_F(TreeWindowTest, DoubleClickOnAGroupTogglesIt) {
  FillSmallTree();
  RECT r;
  ASSERT_TRUE(PartRect(0, KVTREE_PART_TEXT, r));
  int x = r.left + 3, y = (r.top + r.bottom) / 2;
  ClickAt(WM_LBUTTONDOWN, WM_LBUTTONUP, x, y);
  ClickAt(WM_LBUTTONDBLCLK, WM_LBUTTONUP, x, y);
  EXPECT_EVENTS("MouseDown 1 0", "Change 0", "MouseUp 1 0", "Click", "DblClick", "Collapse 0", "MouseUp 1 0");
  tree_->put_ExpandOnDClick(VARIANT_FALSE);
  ClickAt(WM_LBUTTONDBLCLK, WM_LBUTTONUP, x, y);
  EXPECT_EQ(ItemsOpen(), 2) << "ExpandOnDClick false: stays collapsed";
}

TEST_F(TreeWindowTest, RightClickAndRadioGroups) {
  FillSmallTree();
  tree_->put_NodeRadioStyle(0, 1);
  UpdateWindow(hwnd_);
  Click(2, KVTREE_PART_RADIO);
  EXPECT_EVENTS("MouseDown 1 0", "Change 2", "RadioClick 2 2", "MouseUp 1 0", "Click");
  short value = 0;
  tree_->get_NodeRadioValue(0, &value);
  EXPECT_EQ(value, 2);
  RECT r;
  ASSERT_TRUE(PartRect(3, KVTREE_PART_TEXT, r));
  ClickAt(WM_RBUTTONDOWN, WM_RBUTTONUP, r.left + 2, r.top + 2);
  EXPECT_EVENTS("MouseDown 2 0", "RightClick 3", "MouseUp 2 0");
}

TEST_F(TreeWindowTest, RefusedCallsFireCtrlError) {
  FillSmallTree();
  tree_.SetSelected(4);
  tree_.AddNode(L"Too deep", 0, 5);
  tree_->put_NodeColumnCheck(1, 2, 1);
  EXPECT_EVENTS("CtrlError 32004 4", "CtrlError 32007 4", "CtrlError 32003 2");
  EXPECT_EQ(tree_.ListCount(), 5);
}

TEST_F(TreeWindowTest, LabelEditStoresOnEnterAndCancelEditDrops) {
  FillSmallTree();
  tree_->put_LabelEdit(VARIANT_TRUE);
  tree_.SetSelected(1);
  log_.clear();
  VARIANT_BOOL started = VARIANT_FALSE;
  tree_->StartLabelEdit(&started);
  ASSERT_EQ(started, VARIANT_TRUE);
  HWND edit = FindWindowExW(hwnd_, nullptr, L"EDIT", nullptr);
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, L"Renamed");
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EVENTS("BeforeLabelEdit 1", "SetLabelEdit 1", "AfterLabelEdit 1 Renamed");
  EXPECT_EQ(tree_.NodeText(1), L"Renamed");
  EXPECT_EQ(FindWindowExW(hwnd_, nullptr, L"EDIT", nullptr), nullptr);

  tree_->StartLabelEdit(&started);
  edit = FindWindowExW(hwnd_, nullptr, L"EDIT", nullptr);
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, L"Dropped");
  tree_->CancelEdit();
  EXPECT_EVENTS("BeforeLabelEdit 1", "SetLabelEdit 1");
  EXPECT_EQ(tree_.NodeText(1), L"Renamed");

  // The boot page refuses a text with a double quote by calling CancelEdit in AfterLabelEdit.
  tree_.events.afterLabelEdit = [this](long, const std::wstring& text) {
    if (text.find(L'"') != std::wstring::npos) tree_->CancelEdit();
  };
  tree_->StartLabelEdit(&started);
  edit = FindWindowExW(hwnd_, nullptr, L"EDIT", nullptr);
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, L"Bad \"name\"");
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(tree_.NodeText(1), L"Renamed") << "refused in the handler: the old text stays";
  log_.clear();
}

TEST_F(TreeWindowTest, WheelScrollsAndEnsureVisibleBringsANodeIntoView) {
  for (int i = 0; i < 100; ++i) tree_.AddNode(L"line " + std::to_wstring(i), 0, 1);
  short lines = 0;
  tree_->LinesPerList(&lines);
  ASSERT_GT(lines, 3);
  SendMessageW(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  LONG top = -1;
  tree_->TopIndex(&top);
  EXPECT_EQ(top, 3);
  tree_->EnsureVisible(99);
  tree_->TopIndex(&top);
  EXPECT_EQ(top, 100 - lines);
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  ShowWindow(parent_, SW_SHOWNA);  // the scroll bar follows the content when the window paints
  UpdateWindow(hwnd_);
  GetScrollInfo(hwnd_, SB_VERT, &si);
  EXPECT_EQ(si.nMax, 99);
  EXPECT_EQ(si.nPos, 100 - lines);
  tree_->ClearNodes();
  tree_->TopIndex(&top);
  EXPECT_EQ(top, -1);
}

TEST_F(TreeWindowTest, ClickOnACutOffTextFiresClickClip) {
  FillSmallTree();
  tree_.SetNodeText(3, std::wstring(200, L'W'));
  Click(3, KVTREE_PART_TEXT);
  EXPECT_EVENTS("MouseDown 1 0", "Change 3", "ClickClip 3", "MouseUp 1 0", "Click");
  Click(1, KVTREE_PART_TEXT);
  EXPECT_EVENTS("MouseDown 1 0", "Change 1", "MouseUp 1 0", "Click");
}

TEST_F(TreeWindowTest, HeaderClicksNameTheColumn) {
  FillSmallTree();
  tree_->put_ShowHeader(VARIANT_TRUE);
  short column = 0;
  tree_->AddColumn(kv::treeclient::detail::Bstr(L"Name"), 150, &column);
  tree_->AddColumn(kv::treeclient::detail::Bstr(L"Value"), 100, &column);
  RECT line;
  ASSERT_TRUE(PartRect(0, KVTREE_PART_LINE, line));
  ASSERT_GT(line.top, 8) << "the header sits above the first line";
  ClickAt(WM_LBUTTONDOWN, WM_LBUTTONUP, 20, 3);
  ClickAt(WM_LBUTTONDBLCLK, WM_LBUTTONUP, 200, 3);
  EXPECT_EVENTS("MouseDown 1 0", "HeaderClick 1", "MouseUp 1 0", "Click", "HeaderDblClick 2", "MouseUp 1 0");
  // Dragging the divider after "Name" widens the column and reports the new width once.
  SendMessageW(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 3));
  SendMessageW(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(170, 3));
  SendMessageW(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(190, 3));
  SendMessageW(hwnd_, WM_LBUTTONUP, 0, MAKELPARAM(190, 3));
  EXPECT_EVENTS("MouseDown 1 0", "MouseUp 1 0", "ColumnResize 1 190", "Click");
  short width = 0;
  tree_->get_ColumnWidth(1, &width);
  EXPECT_EQ(width, 190);
}

// Sorting announces itself with the column it sorts by, before any line moves.
TEST_F(TreeWindowTest, SortFiresBeforeSortWithTheSortColumn) {
  FillSmallTree();
  tree_->put_SortColumn(0);
  tree_->Sort(0, VARIANT_TRUE);
  EXPECT_EVENTS("BeforeSort 0");
}

TEST_F(TreeWindowTest, ImageListTakesBitmapsAndRefusesNothing) {
  HDC screen = GetDC(nullptr);
  HBITMAP first = CreateCompatibleBitmap(screen, 16, 16);
  HBITMAP second = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(tree_.AddBitmap(first), 1);
  EXPECT_EQ(tree_.AddBitmap(second), 2);
  short count = 0;
  tree_->get_ImageListCount(&count);
  EXPECT_EQ(count, 2);
  short refused = -1;
  tree_->AddImage(nullptr, &refused);
  EXPECT_EQ(refused, 0);
  EXPECT_EVENTS("CtrlError 32020 -1");
  VARIANT_BOOL removed = VARIANT_FALSE;
  tree_->RemoveImage(1, &removed);
  EXPECT_EQ(removed, VARIANT_TRUE);
  tree_->RemoveImage(5, &removed);
  EXPECT_EQ(removed, VARIANT_FALSE);
  IPictureDisp* picture = nullptr;
  tree_->get_ListImage(1, &picture);
  ASSERT_NE(picture, nullptr) << "the second image moved to number 1";
  picture->Release();
  tree_->get_ListImage(2, &picture);
  EXPECT_EQ(picture, nullptr);
  tree_.Destroy();
  DeleteObject(first);
  DeleteObject(second);
}

TEST_F(TreeWindowTest, NodeOverFiresOncePerNodeUnderTheMouse) {
  FillSmallTree();
  std::vector<long> over;
  tree_.events.nodeOver = [&](long index) { over.push_back(index); };
  RECT a, b;
  ASSERT_TRUE(PartRect(1, KVTREE_PART_TEXT, a));
  ASSERT_TRUE(PartRect(2, KVTREE_PART_TEXT, b));
  for (int x : {a.left + 1, a.left + 5, a.left + 9}) SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(x, a.top + 2));
  SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(b.left + 1, b.top + 2));
  SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(a.left + 1, a.top + 2));
  SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 190));  // below the last line
  SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(6, 191));
  EXPECT_EQ(over, (std::vector<long>{1, 2, 1, -1})) << "leaving the lines reports -1 once";
}

// Pumps messages until a tool tip shows (or two seconds pass) and returns its text.
std::wstring WaitForTip() {
  DWORD until = GetTickCount() + 2000;
  while (GetTickCount() < until) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    HWND tip = FindWindowW(L"kvTreeViewTip", nullptr);
    if (tip && IsWindowVisible(tip)) {
      wchar_t text[256] = {};
      GetWindowTextW(tip, text, 256);
      return text;
    }
    Sleep(10);
  }
  return L"(no tip)";
}

TEST_F(TreeWindowTest, ToolTipShowsTheLineOrTheTextSetInSetTips) {
  FillSmallTree();
  tree_->put_TipsDisplay(VARIANT_TRUE);
  tree_->put_TipsType(TipsBoth);
  tree_->put_TipsDelay(1);
  tree_.SetNodeSubText(1, L"(on)");
  RECT r;
  ASSERT_TRUE(PartRect(1, KVTREE_PART_TEXT, r));
  SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 2, r.top + 2));
  EXPECT_EQ(WaitForTip(), L"Group: A (on)");
  EXPECT_EVENTS("SetTips 1 3");
  tree_.events.any = nullptr;
  tree_.events.nodeOver = nullptr;
  IkvTreeView* control = tree_.Get();
  tree_.events.any = [control](DISPID id, const kv::com::EventArgs&) {
    if (id == 13) control->put_TipsText(kv::treeclient::detail::Bstr(L"Help for B"));
  };
  ASSERT_TRUE(PartRect(2, KVTREE_PART_TEXT, r));
  SendMessageW(hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 2, r.top + 2));
  EXPECT_EQ(WaitForTip(), L"Help for B");
  BSTR left = nullptr;
  tree_->get_TipsText(&left);
  EXPECT_EQ(SysStringLen(left), 0u) << "a text set for one tip does not stay";
  SysFreeString(left);
}

// LoadVirtual: GetNode asks for each line's content once, when the line first comes on screen,
// before it is painted; lines still without text show VirtualText.
TEST_F(TreeWindowTest, VirtualLoadingAsksForTheLinesOnScreenOnce) {
  tree_->put_LoadType(LoadVirtual);
  tree_->put_VirtualText(kv::treeclient::detail::Bstr(L"loading..."));
  for (int i = 0; i < 40; ++i) tree_.AddNode(L"", 0, 1);
  short lines = 0;
  tree_->LinesPerList(&lines);
  ASSERT_GT(lines, 3);
  log_.clear();
  SendMessageW(hwnd_, WM_PAINT, 0, 0);
  ASSERT_GE(log_.size(), size_t(lines));
  ASSERT_LE(log_.size(), size_t(lines + 1)) << "the part line at the bottom too, nothing further";
  for (size_t i = 0; i < log_.size(); ++i) EXPECT_EQ(log_[i], "GetNode " + std::to_string(i) + " 1");
  log_.clear();
  SendMessageW(hwnd_, WM_PAINT, 0, 0);
  EXPECT_TRUE(log_.empty()) << "each line is asked for once";
  tree_->EnsureVisible(39);
  SendMessageW(hwnd_, WM_PAINT, 0, 0);
  ASSERT_FALSE(log_.empty());
  EXPECT_EQ(log_.back(), "GetNode 39 1");
  tree_->put_LoadType(LoadAll);
  tree_.AddNode(L"", 0, 1);
  log_.clear();
  tree_->EnsureVisible(40);
  SendMessageW(hwnd_, WM_PAINT, 0, 0);
  EXPECT_TRUE(log_.empty()) << "LoadAll asks for nothing";
}

TEST_F(TreeWindowTest, LoadDirectoryReadsARealFolder) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring root = std::wstring(temp) + L"kvtree-load-test";
  CreateDirectoryW(root.c_str(), nullptr);
  CreateDirectoryW((root + L"\\sub").c_str(), nullptr);
  for (const wchar_t* name : {L"\\b.txt", L"\\A.txt", L"\\sub\\inner.ini"}) {
    HANDLE file = CreateFileW((root + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
  }
  tree_->LoadDirectory(kv::treeclient::detail::Bstr(root + L"\\"));
  ASSERT_EQ(tree_.ListCount(), 4);
  EXPECT_EQ(tree_.NodeText(0), L"sub");
  EXPECT_EQ(tree_.NodeText(2), L"A.txt");
  BSTR path = nullptr;
  tree_->Path(1, &path);
  EXPECT_STREQ(path, L"sub\\inner.ini");
  SysFreeString(path);
  DeleteFileW((root + L"\\sub\\inner.ini").c_str());
  DeleteFileW((root + L"\\A.txt").c_str());
  DeleteFileW((root + L"\\b.txt").c_str());
  RemoveDirectoryW((root + L"\\sub").c_str());
  RemoveDirectoryW(root.c_str());
}

TEST_F(TreeWindowTest, DestroyingTheControlInsideItsOwnEventIsSafe) {
  FillSmallTree();
  tree_.events.change = [this](long) { tree_.Destroy(); };
  Click(1, KVTREE_PART_TEXT);
  EXPECT_FALSE(tree_);
  EXPECT_FALSE(IsWindow(hwnd_));
}

TEST(Resources, AboutTextsExistInBothEditions) {
  HMODULE module = LoadLibraryW(L"kvtree.dll");
  ASSERT_NE(module, nullptr);
  for (UINT id : {100u, 101u, 1100u, 1101u}) {
    char text[256] = {};
    EXPECT_GT(LoadStringA(module, id, text, sizeof text), 0) << "string " << id;
  }
  char english[256] = {};
  LoadStringA(module, 1100, english, sizeof english);
  EXPECT_STREQ(english, "About kvTreeView Control");
}

// The dispatch ids are the interface: check them through the type information a script sees.
TEST(TypeLibrary, DispatchIdsAreTheFixedOnes) {
  OleInitialize(nullptr);
  HWND parent =
      CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  {
    TreeList tree;
    ASSERT_TRUE(tree.Create(parent, RECT{0, 0, 90, 90}, 1));
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(tree->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    const std::pair<const wchar_t*, DISPID> methods[] = {
        {L"BackColor", 1},         {L"Picture", 11},         {L"Selected", 30},          {L"ListCount", 35},
        {L"ListIndex", 45},        {L"TitleText", 56},       {L"CheckPicDisabled", 115}, {L"AddNode", 116},
        {L"NodeParent", 117},      {L"AddPictureNode", 125}, {L"EnsureVisible", 139},    {L"ReDraw", 142},
        {L"InsertNode", 154},      {L"AddImage", 161},       {L"kvDragDrop", 164},       {L"AboutBox", -552},
        {L"NodeBackColor", 165},   {L"NodeText", 167},       {L"NodeCargo", 176},        {L"NodeSubText", 179},
        {L"NodeColumnCheck", 188}, {L"NodeShowChecks", 189}, {L"NodeFontBold", 197},     {L"ListImage", 198}};
    for (const auto& m : methods) {
      LPOLESTR name = const_cast<LPOLESTR>(m.first);
      DISPID id = 0;
      EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK) << Narrow(m.first);
      EXPECT_EQ(id, m.second) << Narrow(m.first);
    }
    // Calls by id alone, as the main program makes them.
    VARIANT args[3];
    args[2].vt = VT_BSTR;
    args[2].bstrVal = SysAllocString(L"by id");
    args[1].vt = VT_I2;
    args[1].iVal = 0;
    args[0].vt = VT_I2;
    args[0].iVal = 1;
    DISPPARAMS params = {args, nullptr, 3, 0};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(dispatch->Invoke(116, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr), S_OK);
    EXPECT_EQ(result.lVal, 0);
    VariantClear(&args[2]);
    VARIANT index;
    index.vt = VT_I4;
    index.lVal = 0;
    DISPPARAMS get = {&index, nullptr, 1, 0};
    EXPECT_EQ(dispatch->Invoke(167, IID_NULL, 0, DISPATCH_PROPERTYGET, &get, &result, nullptr, nullptr), S_OK);
    ASSERT_EQ(result.vt, VT_BSTR);
    EXPECT_STREQ(result.bstrVal, L"by id");
    VariantClear(&result);

    // Event ids, from the events' type information in the same library.
    ITypeInfo* info = nullptr;
    ITypeLib* lib = nullptr;
    UINT at = 0;
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0, &info), S_OK);
    ASSERT_EQ(info->GetContainingTypeLib(&lib, &at), S_OK);
    ITypeInfo* events = nullptr;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(DIID__DkvTreeViewEvents, &events), S_OK);
    const std::pair<const wchar_t*, DISPID> eventIds[] = {{L"Change", 1},          {L"CtrlError", 9},
                                                          {L"NodeOver", 8},        {L"CheckClick", 16},
                                                          {L"HeaderDblClick", 21}, {L"MouseDown", -605}};
    for (const auto& e : eventIds) {
      LPOLESTR name = const_cast<LPOLESTR>(e.first);
      MEMBERID id = 0;
      EXPECT_EQ(events->GetIDsOfNames(&name, 1, &id), S_OK) << Narrow(e.first);
      EXPECT_EQ(id, e.second) << Narrow(e.first);
    }
    events->Release();
    lib->Release();
    info->Release();
    dispatch->Release();
  }
  DestroyWindow(parent);
  OleUninitialize();
}

}  // namespace
