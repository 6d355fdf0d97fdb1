// The slider window under Wine and Xvfb, driven with real input (SendInput): dragging the thumb,
// keys in a dialog-like parent, the events in order, bound-property notices, and lifetime.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "kvslide_client.h"
#include "slider/model/slider_layout.h"
#include "slider/win/slider_fonts.h"
#include "tests/wine/memory_property_bag.h"
#include "tests/wine/message_pump.h"

namespace {

// Records IPropertyNotifySink::OnChanged calls.
class NotifyLog final : public IPropertyNotifySink {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyNotifySink)) {
      *object = static_cast<IPropertyNotifySink*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP OnChanged(DISPID id) override {
    changed.push_back(id);
    return S_OK;
  }
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
  std::vector<DISPID> changed;
};

using kv::wintest::MemoryBag;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class SliderWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = L"SliderTestParent";
    RegisterClassW(&wc);
    parent = CreateWindowExW(WS_EX_CONTROLPARENT, L"SliderTestParent", L"kvSlide window test",
                             WS_POPUP | WS_VISIBLE, 40, 40, 420, 380, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);
    button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP, 20, 300, 80, 24,
                             parent, reinterpret_cast<HMENU>(1), wc.hInstance, nullptr);
    SetForegroundWindow(parent);
  }

  void TearDown() override {
    slider.Destroy();
    DestroyWindow(parent);
    CoUninitialize();
  }

  void CreateSlider(const RECT& box, bool vertical) {
    kvslide::SliderEvents events;
    events.slideChange = [this] { log += " slide=" + std::to_string(slider.Value()); };
    events.thumbClick = [this] { log += " thumb"; };
    events.click = [this] { log += " click"; };
    events.dblClick = [this] { log += " dblclick"; };
    events.mouseDown = [this](int b, int s, int x, int y) { log += " down(" + Args(b, s, x, y) + ")"; };
    events.mouseUp = [this](int b, int s, int x, int y) { log += " up(" + Args(b, s, x, y) + ")"; };
    events.mouseMove = [this](int, int, int, int) { ++moves; };
    ASSERT_EQ(slider.Create(parent, box, 7, events), S_OK);
    if (vertical) slider->put_SliderStyle(SlideVert);
    box_ = box;
    IConnectionPointContainer* container = nullptr;
    ASSERT_EQ(slider->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
    IConnectionPoint* point = nullptr;
    ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, &point), S_OK);
    DWORD cookie = 0;
    EXPECT_EQ(point->Advise(&notify, &cookie), S_OK);
    point->Release();
    container->Release();
    Pump(200);
  }

  static std::string Args(int b, int s, int x, int y) {
    return std::to_string(b) + "," + std::to_string(s) + "," + std::to_string(x) + "," + std::to_string(y);
  }

  // The layout the control computes for its current properties (same font, same numbers).
  kvslide::SliderLayout Layout() {
    kvslide::SliderProperties p;
    short v = 0;
    slider->get_MinValue(&v), p.minValue = v;
    slider->get_MaxValue(&v), p.maxValue = v;
    slider->get_Value(&v), p.value = v;
    enumSliderStyle style;
    slider->get_SliderStyle(&style);
    p.sliderStyle = static_cast<int16_t>(style);
    fonts.Update(p, nullptr);
    return kvslide::ComputeLayout(p, box_.right - box_.left, box_.bottom - box_.top, fonts);
  }

  void Pump(int milliseconds) { kv::wintest::PumpFor(parent, milliseconds, 10); }

  // Real mouse input at a point of the slider's client area.
  void Mouse(DWORD flags, int x, int y) {
    POINT at = {x, y};
    ClientToScreen(slider.Window(), &at);
    SetCursorPos(at.x, at.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (at.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (at.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    Pump(60);
  }

  void Key(WORD vk) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Pump(60);
  }

  HWND parent = nullptr, button = nullptr;
  kvslide::SliderClient slider;
  kvslide::SliderFonts fonts;
  RECT box_ = {};
  NotifyLog notify;
  std::string log;
  int moves = 0;
};

TEST_F(SliderWindowTest, DraggingTheThumbWithTheMouseFiresThumbClickAndSlideChange) {
  CreateSlider(RECT{20, 20, 320, 90}, false);
  kvslide::SliderLayout l = Layout();
  int cx = (l.thumb.left + l.thumb.right) / 2, cy = (l.thumb.top + l.thumb.bottom) / 2;
  kvslide::SliderProperties p;
  int to25 = kvslide::ValuePosition(p, l.trackStart, l.trackEnd, 25);

  Mouse(MOUSEEVENTF_LEFTDOWN, cx, cy);
  EXPECT_EQ(GetFocus(), slider.Window());
  EXPECT_EQ(GetCapture(), slider.Window());
  Mouse(0, (cx + to25) / 2, cy);
  Mouse(0, to25, cy + 60);  // off the control: the capture keeps the drag going
  Mouse(MOUSEEVENTF_LEFTUP, to25, cy + 60);
  EXPECT_EQ(slider.Value(), 25);
  EXPECT_EQ(GetCapture(), nullptr);
  int mid = (cx + to25) / 2;
  std::string expected = " down(1,0," + std::to_string(cx) + "," + std::to_string(cy) + ") thumb slide=" +
                         std::to_string(kvslide::ValueAtPosition(p, l.trackStart, l.trackEnd, mid)) +
                         " slide=25 up(1,0," + std::to_string(to25) + "," + std::to_string(cy + 60) + ")";
  EXPECT_EQ(log, expected);  // released outside the control: no Click
  EXPECT_GT(moves, 0);
  ASSERT_EQ(notify.changed.size(), 2u);
  EXPECT_EQ(notify.changed[0], 16);

  // After the release, moving does not drag; a press beside the thumb does not start a drag.
  log.clear();
  Mouse(0, l.trackEnd, cy);
  Mouse(MOUSEEVENTF_LEFTDOWN, l.trackEnd - 3, cy);
  Mouse(MOUSEEVENTF_LEFTUP, l.trackEnd - 3, cy);
  EXPECT_EQ(slider.Value(), 25);
  EXPECT_EQ(log, " down(1,0," + std::to_string(l.trackEnd - 3) + "," + std::to_string(cy) + ") up(1,0," +
                     std::to_string(l.trackEnd - 3) + "," + std::to_string(cy) + ") click");
}

TEST_F(SliderWindowTest, DoubleClickFiresTheStockSequence) {
  CreateSlider(RECT{20, 20, 320, 90}, false);
  kvslide::SliderLayout l = Layout();
  int x = l.trackEnd - 20, y = (l.thumb.top + l.thumb.bottom) / 2;
  std::string at = "(1,0," + std::to_string(x) + "," + std::to_string(y) + ")";
  Mouse(MOUSEEVENTF_LEFTDOWN, x, y);
  Mouse(MOUSEEVENTF_LEFTUP, x, y);
  Mouse(MOUSEEVENTF_LEFTDOWN, x, y);
  Mouse(MOUSEEVENTF_LEFTUP, x, y);
  EXPECT_EQ(log, " down" + at + " up" + at + " click dblclick up" + at);
  EXPECT_EQ(slider.Value(), 0);  // pressing beside the thumb does not page
}

TEST_F(SliderWindowTest, DraggingAVerticalThumbToTheTopGivesTheMaximum) {
  CreateSlider(RECT{20, 20, 90, 280}, true);
  slider.SetRange(-10, 40);
  slider.SetValue(0);
  Pump(50);
  log.clear();
  kvslide::SliderLayout l = Layout();
  int cx = (l.thumb.left + l.thumb.right) / 2, cy = (l.thumb.top + l.thumb.bottom) / 2;
  Mouse(MOUSEEVENTF_LEFTDOWN, cx, cy);
  Mouse(0, cx, l.trackStart - 4);
  Mouse(MOUSEEVENTF_LEFTUP, cx, l.trackStart - 4);
  EXPECT_EQ(slider.Value(), 40);
  EXPECT_NE(log.find("thumb slide=40"), std::string::npos) << log;
}

TEST_F(SliderWindowTest, ArrowKeysReachTheSliderBeforeDialogNavigation) {
  CreateSlider(RECT{20, 20, 320, 90}, false);
  slider.SetValue(50);
  SetFocus(slider.Window());
  Pump(50);
  log.clear();
  Key(VK_RIGHT);
  Key(VK_UP);
  Key(VK_UP);
  Key(VK_NEXT);
  Key(VK_END);
  Key(VK_END);     // already at the maximum: nothing
  Key(VK_RIGHT);   // stops at the end
  Key(VK_HOME);
  EXPECT_EQ(log, " slide=51 slide=50 slide=49 slide=54 slide=100 slide=0");
  EXPECT_EQ(GetFocus(), slider.Window());  // arrows did not move the focus
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), button);  // Tab still does
}

TEST_F(SliderWindowTest, ProgramChangesNotifyTheBoundValueButFireNoSlideChange) {
  CreateSlider(RECT{20, 20, 320, 90}, false);
  slider.SetValue(30);
  slider->put_MinValue(150);
  slider->put_KeyMove(10);
  Pump(50);
  EXPECT_EQ(log, "");
  EXPECT_EQ(slider.MinValue(), 100);
  EXPECT_EQ(slider.MaxValue(), 150);
  EXPECT_EQ(slider.Value(), 100);
  EXPECT_EQ(notify.changed, (std::vector<DISPID>{16, 16}));
}

TEST_F(SliderWindowTest, AnEventHandlerMayDestroyTheControl) {
  kvslide::SliderEvents events;
  int changes = 0;
  events.slideChange = [&] {
    ++changes;
    slider.Destroy();
  };
  ASSERT_EQ(slider.Create(parent, RECT{20, 20, 320, 90}, 9, events), S_OK);
  HWND window = slider.Window();
  SetFocus(window);
  Pump(50);
  Key(VK_END);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(slider.Created());
  EXPECT_FALSE(IsWindow(window));
  Key(VK_HOME);  // nothing left to receive it
  EXPECT_EQ(changes, 1);
}

TEST_F(SliderWindowTest, DisabledSliderTakesNoInput) {
  CreateSlider(RECT{20, 20, 320, 90}, false);
  slider->put_Enabled(VARIANT_FALSE);
  EXPECT_FALSE(IsWindowEnabled(slider.Window()));
  kvslide::SliderLayout l = Layout();
  int cy = (l.thumb.top + l.thumb.bottom) / 2;
  Mouse(MOUSEEVENTF_LEFTDOWN, l.thumb.left + 3, cy);
  Mouse(0, l.trackEnd, cy);
  Mouse(MOUSEEVENTF_LEFTUP, l.trackEnd, cy);
  EXPECT_EQ(slider.Value(), 0);
  EXPECT_EQ(log.find("slide"), std::string::npos) << log;
}

TEST_F(SliderWindowTest, ParentDestructionLeavesAWorkingWindowlessObject) {
  CreateSlider(RECT{20, 20, 320, 90}, false);
  EXPECT_TRUE(IsWindow(slider.Window()));
  HWND window = slider.Window();
  DestroyWindow(parent);
  parent = nullptr;
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(slider.Window(), nullptr);
  slider.SetValue(60);
  EXPECT_EQ(slider.Value(), 60);
}

TEST_F(SliderWindowTest, PersistedPropertiesLoadWithDefaultsAndTheRangeRule) {
  CreateSlider(RECT{20, 20, 320, 90}, false);
  IPersistPropertyBag* persist = nullptr;
  ASSERT_EQ(slider->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist)), S_OK);
  MemoryBag bag;  // as text, the way a form or an HTML <param> gives them
  bag.Put(L"MinValue", L"90");
  bag.Put(L"MaxValue", L"10");
  bag.Put(L"Value", L"500");
  bag.Put(L"SliderStyle", L"1");
  bag.Put(L"BackColor", L"&H8000000F");
  bag.Put(L"ThumbStyle", L"7");  // not a thumb: keeps the default
  bag.Put(L"Enabled", L"0");
  bag.Put(L"FontName", L"Arial");
  EXPECT_EQ(persist->Load(&bag, nullptr), S_OK);
  EXPECT_EQ(slider.MinValue(), 10);
  EXPECT_EQ(slider.MaxValue(), 90);
  EXPECT_EQ(slider.Value(), 90);
  enumSliderStyle style;
  slider->get_SliderStyle(&style);
  EXPECT_EQ(style, SlideVert);
  long colour = 0;
  slider->get_BackColor(&colour);
  EXPECT_EQ(static_cast<unsigned long>(colour), 0x8000000Fu);
  enumThumb thumb;
  slider->get_ThumbStyle(&thumb);
  EXPECT_EQ(thumb, ThumbRegular);
  EXPECT_FALSE(IsWindowEnabled(slider.Window()));
  short pageMove = 0;
  slider->get_PageMove(&pageMove);
  EXPECT_EQ(pageMove, 5);  // absent: default

  MemoryBag saved;
  EXPECT_EQ(persist->Save(&saved, TRUE, TRUE), S_OK);
  EXPECT_EQ(saved.Text(L"MinValue"), L"10");
  EXPECT_EQ(saved.Text(L"Value"), L"90");
  EXPECT_EQ(saved.Text(L"FontName"), L"Arial");
  EXPECT_EQ(saved.Text(L"SlideValue"), L"<absent>");  // the alias is not persisted

  EXPECT_EQ(persist->InitNew(), S_OK);
  EXPECT_EQ(slider.MaxValue(), 100);
  EXPECT_TRUE(IsWindowEnabled(slider.Window()));
  CLSID clsid = {};
  EXPECT_EQ(persist->GetClassID(&clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_kvSlide));
  persist->Release();
}

TEST(SliderClientTest, ReleasingTheControlDestroysItsWindow) {
  CoInitialize(nullptr);
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  HWND window = nullptr;
  {
    kvslide::SliderClient slider;
    ASSERT_EQ(slider.Create(parent, RECT{0, 0, 150, 50}, 3), S_OK);
    window = slider.Window();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(GetDlgCtrlID(window), 3);
    EXPECT_EQ(slider.Create(parent, RECT{0, 0, 150, 50}, 4), E_UNEXPECTED);
  }
  EXPECT_FALSE(IsWindow(window));
  kvslide::SliderClient orphan;
  EXPECT_EQ(orphan.Create(nullptr, RECT{0, 0, 10, 10}, 1), E_INVALIDARG);
  EXPECT_FALSE(orphan.Created());
  DestroyWindow(parent);
  CoUninitialize();
}

}  // namespace
