// The four small controls under Wine and Xvfb, driven with real input (SendInput): clicks, a press
// dragged off the button, hover looks read back from the screen, typing and arrows in the number
// field, and a progress bar made anew on a style change. Notifications are recorded in the parent.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/controls/win32/control_classes.h"
#include "app/controls/win32/cool_button.h"
#include "app/controls/win32/picture_button.h"
#include "app/controls/win32/progress_bar.h"
#include "app/controls/win32/shell_icon.h"
#include "app/controls/win32/up_down_field.h"
#include "tests/wine/message_pump.h"

namespace kv::controls {
namespace {

std::vector<std::pair<int, int>> g_commands;  // WM_COMMAND (id, code) received by the parent

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && lParam) g_commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class ControlsWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    g_commands.clear();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "ControlsTestParent";
    RegisterClassA(&wc);
    parent = CreateWindowExA(WS_EX_CONTROLPARENT, "ControlsTestParent", "controls test", WS_POPUP | WS_VISIBLE, 40,
                             40, 600, 400, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);
    other = CreateWindowExA(0, "BUTTON", "Other", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 480, 340, 90, 24, parent,
                            reinterpret_cast<HMENU>(99), wc.hInstance, nullptr);
    SetForegroundWindow(parent);
    Pump(50);
  }

  void TearDown() override {
    DestroyWindow(parent);
    Pump(20);
  }

  void Pump(int milliseconds) { kv::wintest::PumpFor(parent, milliseconds, 5); }

  // Real mouse input at a point of `window`'s client area.
  void Mouse(HWND window, DWORD flags, int x, int y) {
    POINT at = {x, y};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (at.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (at.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    Pump(60);
  }

  void ClickAt(HWND window, int x, int y) {
    Mouse(window, 0, x, y);
    Mouse(window, MOUSEEVENTF_LEFTDOWN, x, y);
    Mouse(window, MOUSEEVENTF_LEFTUP, x, y);
  }

  void Key(WORD vk) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Pump(40);
  }

  void Type(const char* keys) {
    for (const char* k = keys; *k; ++k) Key(static_cast<WORD>(*k));
  }

  static COLORREF Pixel(HWND window, int x, int y) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
  }

  static RECT ClientOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
  }

  int Commands(int id, int code) const {
    int n = 0;
    for (const auto& c : g_commands) n += (c.first == id && c.second == code) ? 1 : 0;
    return n;
  }

  HWND parent = nullptr, other = nullptr;
};

constexpr COLORREF kBack = RGB(0xD0, 0xE0, 0xF0), kOver = RGB(0xC0, 0xFF, 0xC0);
constexpr COLORREF kLight = RGB(0xFF, 0xFF, 0xFF), kShadow = RGB(0x40, 0x40, 0x40);

std::unique_ptr<CoolButton> MakeCoolButton(HWND parent, int id, int* clicks) {
  auto b = std::make_unique<CoolButton>();
  b->SetCaption("&Save");
  b->SetColours(kBack, kOver, 0x000000, 0x800000);
  b->SetFrameColours(kLight, kShadow);
  b->SetBoldOverBttn(true);
  b->onClick = [clicks] { ++*clicks; };
  b->Create(parent, RECT{20, 20, 140, 48}, id);
  return b;
}

TEST_F(ControlsWindowTest, CoolButtonClickRaisesOneClickAndOneCommand) {
  int clicks = 0;
  auto b = MakeCoolButton(parent, 10, &clicks);
  ASSERT_NE(b->Window(), nullptr);
  ClickAt(b->Window(), 60, 14);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Commands(10, BN_CLICKED), 1);
  EXPECT_EQ(g_commands.size(), 1u);
}

TEST_F(ControlsWindowTest, CoolButtonHoverPressAndDragOffLookAndNoClick) {
  int clicks = 0;
  auto b = MakeCoolButton(parent, 11, &clicks);
  HWND w = b->Window();
  const RECT c = ClientOf(w);
  EXPECT_EQ(Pixel(w, 0, 0), kBack) << "flat while the pointer is away";

  Mouse(w, 0, 60, 14);
  Pump(40);
  EXPECT_TRUE(b->Model().Hovered());
  EXPECT_EQ(Pixel(w, 0, 0), kLight) << "raised frame while hovered";
  EXPECT_EQ(Pixel(w, c.right - 1, c.bottom - 1), kShadow);
  EXPECT_EQ(Pixel(w, 3, 3), kOver);

  Mouse(w, MOUSEEVENTF_LEFTDOWN, 60, 14);
  EXPECT_EQ(GetCapture(), w);
  EXPECT_EQ(Pixel(w, 0, 0), kShadow) << "sunken frame while pressed";
  EXPECT_EQ(Pixel(w, c.right - 1, c.bottom - 1), kLight);

  Mouse(w, 0, 300, 200);  // dragged off onto the parent
  Pump(80);
  EXPECT_EQ(Pixel(w, 0, 0), kShadow) << "still pressed while the button is held";
  Mouse(w, MOUSEEVENTF_LEFTUP, 300, 200);
  Pump(100);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(Commands(11, BN_CLICKED), 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(b->Model().Hovered());
  EXPECT_EQ(Pixel(w, 0, 0), kBack) << "normal look once the poll saw the pointer outside";
  EXPECT_EQ(Pixel(w, 3, 3), kBack);
}

TEST_F(ControlsWindowTest, CoolButtonWithoutActiveOverAlwaysShowsItsFrameAndDisabledIgnoresClicks) {
  int clicks = 0;
  auto b = MakeCoolButton(parent, 12, &clicks);
  b->SetActiveOver(false);
  EXPECT_EQ(Pixel(b->Window(), 0, 0), kLight);
  b->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(b->Window()));
  EXPECT_EQ(Pixel(b->Window(), 0, 0), kLight);
  ClickAt(b->Window(), 60, 14);
  EXPECT_EQ(clicks, 0);
  b->SetEnabled(true);
  ClickAt(b->Window(), 60, 14);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsWindowTest, ClickHandlerMayDestroyTheButtonAndKeyboardClicks) {
  int clicks = 0;
  auto b = MakeCoolButton(parent, 13, &clicks);
  b->onClick = [&b, &clicks] {
    ++clicks;
    b.reset();  // a page switch destroys the page and its buttons
  };
  HWND w = b->Window();
  ClickAt(w, 60, 14);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(Commands(13, BN_CLICKED), 0) << "no command from a button that is gone";

  auto k = MakeCoolButton(parent, 14, &clicks);
  SetFocus(k->Window());
  Key(VK_SPACE);
  Key(VK_RETURN);
  SendMessageA(k->Window(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 4);
  EXPECT_EQ(Commands(14, BN_CLICKED), 3);
}

TEST_F(ControlsWindowTest, AccessKeyOfTheCaptionClicksTheButton) {
  int clicks = 0;
  auto b = MakeCoolButton(parent, 16, &clicks);  // "&Save"
  SetFocus(other);
  INPUT input[4] = {};
  for (INPUT& i : input) i.type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[3].ki.wVk = VK_MENU;
  input[1].ki.wVk = input[2].ki.wVk = 'S';
  input[2].ki.dwFlags = input[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, input, sizeof(INPUT));
  Pump(80);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Commands(16, BN_CLICKED), 1);
}

TEST_F(ControlsWindowTest, WindowsMadeByClassNameOwnTheirObject) {
  ASSERT_TRUE(RegisterControlClasses());
  HWND w = CreateWindowExA(0, CoolButton::kClassName, "By name", WS_CHILD | WS_VISIBLE, 20, 60, 100, 24, parent,
                           reinterpret_cast<HMENU>(15), GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  CoolButton* b = CoolButton::FromWindow(w);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Caption(), "By name");
  EXPECT_EQ(PictureButton::FromWindow(w), nullptr);
  EXPECT_EQ(CoolButton::FromWindow(other), nullptr);
  ClickAt(w, 50, 12);
  EXPECT_EQ(Commands(15, BN_CLICKED), 1);
  SetWindowTextA(w, "Renamed");
  EXPECT_EQ(b->Caption(), "Renamed");
  for (const char* name : {PictureButton::kClassName, UpDownField::kClassName, ProgressBar::kClassName}) {
    HWND n = CreateWindowExA(0, name, "", WS_CHILD | WS_VISIBLE, 20, 100, 100, 24, parent, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(ControlBase::FromHandle(n), nullptr) << name;
    DestroyWindow(n);
  }
  DestroyWindow(w);
  // Another class's extra bytes, even holding a pointer where ours keeps the object, are not taken
  // for one of our controls; neither is a class without extra bytes.
  WNDCLASSA foreign{};
  foreign.lpfnWndProc = DefWindowProcA;
  foreign.hInstance = GetModuleHandleA(nullptr);
  foreign.lpszClassName = "KvForeignExtra";
  foreign.cbWndExtra = 4 * sizeof(LONG_PTR);
  RegisterClassA(&foreign);
  HWND f = CreateWindowExA(0, "KvForeignExtra", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
  ASSERT_NE(f, nullptr);
  SetWindowLongPtrA(f, 0, 12345);
  SetWindowLongPtrA(f, sizeof(LONG_PTR), reinterpret_cast<LONG_PTR>(&foreign));
  EXPECT_EQ(ControlBase::FromHandle(f), nullptr);
  EXPECT_EQ(ControlBase::FromHandle(parent), nullptr);
  DestroyWindow(f);
}

HBITMAP SolidBitmap(COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT r = {0, 0, 16, 16};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

TEST_F(ControlsWindowTest, PictureButtonShowsOverAndDownPicturesAndClicksOnReleaseOver) {
  const COLORREF normal = RGB(200, 0, 0), over = RGB(0, 200, 0), down = RGB(0, 0, 200);
  HBITMAP bitmaps[3] = {SolidBitmap(normal), SolidBitmap(over), SolidBitmap(down)};
  int clicks = 0;
  {
    PictureButton p;
    p.SetPictures(Picture::FromBitmap(bitmaps[0]), Picture::FromBitmap(bitmaps[1]), Picture::FromBitmap(bitmaps[2]));
    p.onClick = [&clicks] { ++clicks; };
    p.Create(parent, RECT{200, 20, 224, 44}, 20);
    HWND w = p.Window();
    EXPECT_EQ(Pixel(w, 12, 12), normal);
    Mouse(w, 0, 12, 12);
    EXPECT_EQ(Pixel(w, 12, 12), over);
    Mouse(w, MOUSEEVENTF_LEFTDOWN, 12, 12);
    EXPECT_EQ(Pixel(w, 12, 12), down);
    Mouse(w, MOUSEEVENTF_LEFTUP, 12, 12);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Commands(20, BN_CLICKED), 1);
    EXPECT_EQ(Pixel(w, 12, 12), over);
    Mouse(w, 0, 200, 200);
    Pump(80);
    EXPECT_EQ(Pixel(w, 12, 12), normal) << "the 32 ms poll noticed the pointer leaving";

    Mouse(w, 0, 12, 12);
    Mouse(w, MOUSEEVENTF_LEFTDOWN, 12, 12);
    Mouse(w, 0, 200, 200);
    Mouse(w, MOUSEEVENTF_LEFTUP, 200, 200);
    Pump(80);
    EXPECT_EQ(clicks, 1) << "released away from the picture";
    EXPECT_EQ(Pixel(w, 12, 12), normal);
  }
  for (HBITMAP b : bitmaps) DeleteObject(b);
}

class UpDownFieldTest : public ControlsWindowTest {
 protected:
  void MakeField(const UpDownProperties& p) {
    field = std::make_unique<UpDownField>(p);
    field->onUpdate = [this] { updates.push_back(field->Text()); };
    ASSERT_NE(field->Create(parent, RECT{20, 120, 120, 142}, 30), nullptr);
    Pump(30);
  }

  void FocusAndSelectAll() {
    RECT r = ClientOf(field->EditWindow());
    ClickAt(field->EditWindow(), r.right / 2, r.bottom / 2);
    ASSERT_EQ(GetFocus(), field->EditWindow());
    SendMessageA(field->EditWindow(), EM_SETSEL, 0, -1);
  }

  std::unique_ptr<UpDownField> field;
  std::vector<std::string> updates;
};

TEST_F(UpDownFieldTest, TypingALetterShowsMinAndLeavingWithFiveHundredShowsMax) {
  MakeField(UpDownProperties{});
  EXPECT_EQ(field->Text(), "1");
  FocusAndSelectAll();
  Type("500");
  EXPECT_EQ(field->Text(), "500");
  EXPECT_EQ(field->Value(), 500);
  EXPECT_EQ(updates, (std::vector<std::string>{"5", "50", "500"}));
  ClickAt(other, 20, 10);  // the box loses the focus
  EXPECT_EQ(field->Text(), "100");
  EXPECT_EQ(field->Value(), 100);
  EXPECT_EQ(updates.back(), "100") << "the correction raises Update, so the page writes 100";
  EXPECT_EQ(Commands(30, EN_CHANGE), 4);

  updates.clear();
  FocusAndSelectAll();
  Key(VK_END);
  Type("X");
  EXPECT_EQ(field->Text(), "1");
  EXPECT_EQ(field->Value(), 1);
  EXPECT_EQ(updates, (std::vector<std::string>{"1"})) << "one Update for the letter replaced by Min";
  Type("7");
  EXPECT_EQ(field->Text(), "7") << "Min is selected, so the next digit replaces it";
}

TEST_F(UpDownFieldTest, TabLeavesTheFieldAndCorrectsTheNumber) {
  MakeField(UpDownProperties{});
  SetFocus(other);
  Key(VK_TAB);
  ASSERT_EQ(GetFocus(), field->EditWindow()) << "Tab walks into the text box";
  SendMessageA(field->EditWindow(), EM_SETSEL, 0, -1);
  Type("500");
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), other);
  EXPECT_EQ(field->Text(), "100");
  EXPECT_EQ(updates, (std::vector<std::string>{"5", "50", "500", "100"}));
}

TEST_F(UpDownFieldTest, ArrowsStepInsideTheRangeWithMouseAndKeys) {
  MakeField(UpDownProperties{0, 10, 4, 8, true});
  HWND arrows = field->ArrowsWindow();
  ASSERT_NE(arrows, nullptr);
  LONG style = GetWindowLongA(arrows, GWL_STYLE);
  EXPECT_EQ(style & (UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_NOTHOUSANDS),
            UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_NOTHOUSANDS);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(arrows, UDM_GETBUDDY, 0, 0)), field->EditWindow());
  UDACCEL accel[2] = {};
  EXPECT_EQ(SendMessageA(arrows, UDM_GETACCEL, 2, reinterpret_cast<LPARAM>(accel)), 2);
  EXPECT_EQ(accel[0].nInc, 4u);
  EXPECT_EQ(accel[1].nSec, 2u);

  const RECT r = ClientOf(arrows);
  ClickAt(arrows, r.right / 2, r.bottom / 4);
  EXPECT_EQ(field->Text(), "10");
  ClickAt(arrows, r.right / 2, r.bottom / 4);
  EXPECT_EQ(field->Text(), "10") << "the up arrow stops at Max";
  ClickAt(arrows, r.right / 2, r.bottom * 3 / 4);
  EXPECT_EQ(field->Value(), 6);
  FocusAndSelectAll();
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(field->Value(), 0) << "arrow keys step too and stop at Min";
  EXPECT_EQ(updates, (std::vector<std::string>{"10", "6", "2", "0"}));
}

TEST_F(UpDownFieldTest, SetValueAndRangeRaiseUpdateOnceAndDisabledUsesTheButtonFace) {
  MakeField(UpDownProperties{});
  field->SetValue(42);
  EXPECT_EQ(field->Text(), "42");
  field->SetValue(42);
  field->SetMax(30);
  EXPECT_EQ(field->Text(), "30");
  EXPECT_EQ(updates, (std::vector<std::string>{"42", "30"}));
  EXPECT_EQ(SendMessageA(field->ArrowsWindow(), UDM_GETPOS32, 0, 0), 30);

  field->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(field->EditWindow()));
  EXPECT_EQ(Pixel(field->Window(), 2, 2), GetSysColor(COLOR_BTNFACE));
  field->SetEnabled(true);
  EXPECT_EQ(Pixel(field->Window(), 2, 2), GetSysColor(COLOR_WINDOW));
}

TEST_F(ControlsWindowTest, ProgressBarKeepsItsStateWhenMadeAnewForOrientationAndSmooth) {
  ProgressBar bar;
  bar.SetPosition(40);  // before the window exists
  ASSERT_NE(bar.Create(parent, RECT{20, 200, 320, 218}, 40), nullptr);
  HWND first = bar.BarWindow();
  EXPECT_EQ(SendMessageA(first, PBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(SendMessageA(first, PBM_GETRANGE, FALSE, 0), 100);
  EXPECT_EQ(GetWindowLongA(first, GWL_STYLE) & (PBS_VERTICAL | PBS_SMOOTH), 0);

  bar.SetOrientation(ProgressOrientation::Vertical);
  HWND second = bar.BarWindow();
  EXPECT_NE(second, first);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_TRUE(GetWindowLongA(second, GWL_STYLE) & PBS_VERTICAL);
  EXPECT_EQ(SendMessageA(second, PBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(SendMessageA(second, PBM_GETRANGE, FALSE, 0), 100);

  bar.SetSmooth(true);
  HWND third = bar.BarWindow();
  EXPECT_NE(third, second);
  EXPECT_EQ(GetWindowLongA(third, GWL_STYLE) & (PBS_VERTICAL | PBS_SMOOTH), PBS_VERTICAL | PBS_SMOOTH);
  EXPECT_EQ(SendMessageA(third, PBM_GETPOS, 0, 0), 40);
  bar.SetSmooth(true);
  EXPECT_EQ(bar.BarWindow(), third) << "no new bar without a change";

  bar.SetStep(30);
  bar.SetPosition(90);
  bar.StepIt();
  EXPECT_EQ(bar.Position(), 20);
  EXPECT_EQ(SendMessageA(third, PBM_GETPOS, 0, 0), 20) << "the model and the system bar start over alike";

  bar.SetRange(0, 250000);  // drive sizes in kilobytes
  bar.SetPosition(199999);
  EXPECT_EQ(SendMessageA(third, PBM_GETRANGE, FALSE, 0), 250000);
  EXPECT_EQ(SendMessageA(third, PBM_GETPOS, 0, 0), 199999);
}

}  // namespace

// The icon drawn on white, as pixels: two icons are the same picture when these are equal.
std::vector<COLORREF> IconPixels(HICON icon, int size) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all = {0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

// The side bar's and the drive list's pictures: the shell library's large and small icons, the same
// pictures the shell's own function gives for the index; nothing for an index it does not have.
TEST(ShellLibraryIconTest, GivesTheShellsIconsOfTheIndexAndNothingForAMissingIndex) {
  const int largeSize = GetSystemMetrics(SM_CXICON), smallSize = GetSystemMetrics(SM_CXSMICON);
  for (int index : {2, 7, 8, 9, 11, 12, 15, 17, 27, 34, 47}) {
    HICON large = ShellLibraryIcon(index, IconSize::Large), small = ShellLibraryIcon(index, IconSize::Small);
    ASSERT_TRUE(large && small) << index;
    HICON shellLarge = nullptr, shellSmall = nullptr;
    ExtractIconExA("shell32.dll", index, &shellLarge, &shellSmall, 1);
    ASSERT_TRUE(shellLarge && shellSmall) << index;
    EXPECT_EQ(IconPixels(large, largeSize), IconPixels(shellLarge, largeSize)) << index;
    EXPECT_EQ(IconPixels(small, smallSize), IconPixels(shellSmall, smallSize)) << index;
    for (HICON icon : {large, small, shellLarge, shellSmall}) DestroyIcon(icon);
  }
  EXPECT_EQ(ShellLibraryIcon(100000, IconSize::Large), nullptr);
  EXPECT_EQ(ShellLibraryIcon(-1, IconSize::Small), nullptr);
}

}  // namespace kv::controls
