// Subclassing, timers and the flat scroll bar on real windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialogs/win/flat_scrollbar.h"
#include "dialogs/win/subclass_service.h"
#include "dialogs/win/timer_service.h"

namespace kvdlg {
namespace {

constexpr UINT kProbe = WM_APP + 7;

LRESULT CALLBACK OriginalProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe) return 1000;
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = OriginalProcedure;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "KvDlgSubclassProbe";
    registered = RegisterClassA(&cls) != 0;
  }
  return CreateWindowExA(0, "KvDlgSubclassProbe", "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

class Recorder : public SubclassClient {
 public:
  explicit Recorder(std::int32_t response, std::vector<std::string>* log, const char* name)
      : response_(response), log_(log), name_(name) {}
  std::int32_t MsgResponse(UINT) override { return response_; }
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    log_->push_back(name_);
    seenCurrent = CurrentMessage();
    if (callOld) return CallOldWindowProc(window, message, wParam, lParam) + 1;
    return 7;
  }
  void WindowGone(HWND, UINT message) override { gone.push_back(message); }
  UINT seenCurrent = 0;
  bool callOld = false;
  std::vector<UINT> gone;

 private:
  std::int32_t response_;
  std::vector<std::string>* log_;
  const char* name_;
};

TEST(Subclassing, AttachDetachAndErrors) {
  HWND window = MakeWindow();
  ASSERT_NE(window, nullptr);
  LONG_PTR original = GetWindowLongPtrA(window, GWLP_WNDPROC);
  std::vector<std::string> log;
  Recorder first(0, &log, "first");
  Recorder second(1, &log, "second");

  ASSERT_EQ(AttachMessage(&first, window, kProbe), ServiceError::None);
  EXPECT_EQ(AttachMessage(&first, window, kProbe), ServiceError::AlreadyHandled);
  ASSERT_EQ(AttachMessage(&second, window, kProbe), ServiceError::None);
  EXPECT_NE(GetWindowLongPtrA(window, GWLP_WNDPROC), original);

  // second answers 1: the previous procedure runs after it and gives the result.
  EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 1000);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(first.seenCurrent, kProbe);
  first.callOld = true;
  DetachMessage(&second, window, kProbe);
  EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 1001);

  DetachMessage(&first, window, kProbe);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
  EXPECT_EQ(GetPropA(window, std::to_string(reinterpret_cast<std::uintptr_t>(window)).c_str()), nullptr);
  DestroyWindow(window);

  EXPECT_EQ(AttachMessage(&first, window, kProbe), ServiceError::InvalidWindow);
}

TEST(Subclassing, DestroyingTheWindowDetachesItsClients) {
  HWND window = MakeWindow();
  std::vector<std::string> log;
  Recorder first(0, &log, "first");
  Recorder second(0, &log, "second");
  ASSERT_EQ(AttachMessage(&first, window, kProbe), ServiceError::None);
  ASSERT_EQ(AttachMessage(&second, window, kProbe), ServiceError::None);
  ASSERT_EQ(AttachMessage(&first, window, kProbe + 1), ServiceError::None);
  DestroyWindow(window);
  std::sort(first.gone.begin(), first.gone.end());
  EXPECT_EQ(first.gone, (std::vector<UINT>{kProbe, kProbe + 1}));
  EXPECT_EQ(second.gone, std::vector<UINT>{kProbe});
}

TEST(Subclassing, WindowOfAnotherProcessIsRefused) {
  HWND desktop = GetDesktopWindow();
  DWORD process = 0;
  GetWindowThreadProcessId(desktop, &process);
  if (process == GetCurrentProcessId()) GTEST_SKIP() << "desktop window belongs to this process here";
  std::vector<std::string> log;
  Recorder client(0, &log, "c");
  EXPECT_EQ(AttachMessage(&client, desktop, kProbe), ServiceError::ExternalWindow);
}

TEST(Timers, TickUntilStopped) {
  int ticks = 0;
  IntervalTimer timer([&] { ++ticks; });
  ASSERT_EQ(timer.SetInterval(10), ServiceError::None);
  EXPECT_EQ(RunningTimerCount(), 1u);
  EXPECT_TRUE(test::PumpUntil([&] { return ticks >= 3; }, 5000));
  timer.SetInterval(0);
  EXPECT_EQ(RunningTimerCount(), 0u);
  int stopped = ticks;
  test::PumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, stopped);
  {
    IntervalTimer scoped([] {});
    scoped.SetInterval(50);
    EXPECT_EQ(RunningTimerCount(), 1u);
  }
  EXPECT_EQ(RunningTimerCount(), 0u);
}

class FlatScrollBarTest : public testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    FlatScrollBar::SetFlatFunctionsHiddenForTesting(false);
    DestroyWindow(parent_);
  }
  HWND parent_ = nullptr;
};

TEST_F(FlatScrollBarTest, LineDownStopsAtMaxAndBottomMovesToMax) {
  FlatScrollBar bar;
  bar.SetOrientation(1);
  ASSERT_TRUE(bar.Create(parent_, 5, 0, 0, 16, 150));
  int changes = 0;
  bar.OnChange([&] { ++changes; });
  bar.SetMin(0);
  bar.SetMax(100);
  bar.SetValue(95);
  bar.SetSmallChange(10);
  changes = 0;
  SendMessageA(bar.Window(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(bar.Value(), 100);
  EXPECT_EQ(changes, 1);
  bar.SetValue(3);
  SendMessageA(bar.Window(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(bar.Value(), 100);
  SendMessageA(bar.Window(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(bar.Value(), 0);
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS;
  GetScrollInfo(bar.Window(), SB_VERT, &info);
  EXPECT_EQ(info.nPos, 0);
  EXPECT_TRUE(bar.CanBeFlat());
  bar.SetStyle(2);
  EXPECT_EQ(bar.Style(), 2);
  EXPECT_NE(GetWindowLongPtrA(bar.Window(), GWL_STYLE) & WS_VSCROLL, 0);
}

TEST_F(FlatScrollBarTest, WithoutFlatFunctionsStyleStaysRegular) {
  FlatScrollBar::SetFlatFunctionsHiddenForTesting(true);
  FlatScrollBar bar;
  ASSERT_TRUE(bar.Create(parent_, 6, 0, 0, 150, 16));
  EXPECT_FALSE(bar.CanBeFlat());
  bar.SetStyle(2);
  EXPECT_EQ(bar.Style(), 0);
  EXPECT_EQ(bar.ActiveBar(), 0);
  bar.SetMax(50);
  bar.SetLargeChange(10);
  SendMessageA(bar.Window(), WM_HSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(bar.Value(), 10);
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  GetScrollInfo(bar.Window(), SB_HORZ, &info);
  EXPECT_EQ(info.nMax, 60);
  EXPECT_EQ(info.nPage, 10u);
}

// Sends one mouse event at a screen point through the input queue, as a user's mouse would.
void MouseAt(POINT p, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

// A client that listens only for changes follows a dragged thumb: each new position raises the change
// event, before the scroll event of the same step (a tracking step that moves nothing raises only the
// scroll event), and the end of the drag raises it once more.
TEST_F(FlatScrollBarTest, DraggingTheThumbRaisesChangeEventsBeforeItsScrollEvents) {
  HWND top = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 60, 300, nullptr, nullptr,
                             nullptr, nullptr);
  FlatScrollBar bar;
  bar.SetOrientation(1);
  ASSERT_TRUE(bar.Create(top, 7, 0, 0, 20, 280));
  ShowWindow(bar.Window(), SW_SHOW);
  SetForegroundWindow(top);
  bar.SetMin(0);
  bar.SetMax(100);
  bar.SetLargeChange(10);
  std::vector<std::string> events;
  bar.OnChange([&] { events.push_back("change " + std::to_string(bar.Value())); });
  bar.OnScroll([&] { events.push_back("scroll " + std::to_string(bar.Value())); });
  UpdateWindow(top);

  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetScrollBarInfo(bar.Window(), OBJID_VSCROLL, &info));
  POINT thumb = {(info.rcScrollBar.left + info.rcScrollBar.right) / 2,
                 info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
  MouseAt(thumb, 0);
  MouseAt(thumb, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step) MouseAt(POINT{thumb.x, thumb.y + 25 * step}, 0);
  MouseAt(POINT{thumb.x, thumb.y + 100}, MOUSEEVENTF_LEFTUP);
  const DWORD end = GetTickCount() + 3000;
  MSG msg;
  while (GetTickCount() < end && bar.Value() == 0) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(20);
  }
  for (int i = 0; i < 20; ++i) {  // the rest of the drag
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  EXPECT_GT(bar.Value(), 0) << "the drag moved nothing";
  std::string seen;
  for (const std::string& e : events) seen += e + "; ";
  // The first event that reports a moved thumb is a change, and its scroll event follows.
  const auto moved = std::find_if(events.begin(), events.end(),
                                  [](const std::string& e) { return e.substr(e.find(' ') + 1) != "0"; });
  ASSERT_NE(moved, events.end()) << seen;
  EXPECT_EQ(moved->substr(0, 7), "change ") << seen;
  ASSERT_NE(moved + 1, events.end()) << seen;
  EXPECT_EQ(*(moved + 1), "scroll " + moved->substr(7)) << seen;
  EXPECT_EQ(events.back(), "change " + std::to_string(bar.Value())) << "the end of the drag: " << seen;
  bar.Destroy();
  DestroyWindow(top);
}

}  // namespace
}  // namespace kvdlg
