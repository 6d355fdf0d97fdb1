// The setting dialog under Wine and Xvfb, used as a user would: while the test thread sits in
// FktSetSettings, a driver thread finds the dialog and works it with real keys and clicks (SendInput).
// Registry effects are checked with the system's own reg.exe. With KV_SHOT_DIR set, the three panels
// are saved there as screenshots (BMP).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/catalogue/win32_registry_store.h"
#include "app/engine/function_engine.h"
#include "app/engine/tests/reg_exe.h"
#include "app/engine/win32_platform_folders.h"
#include "app/pages/setting_dialog/fkt_set_settings.h"
#include "app/pages/setting_dialog/tests/value_functions.h"
#include "app/pages/setting_dialog/win32/setting_dialog_window.h"
#include "tests/wine/screen_bitmap.h"
#include "tests/wine/test_thread.h"

namespace kv {
namespace {

const std::string kKey = "HKEY_CURRENT_USER\\Software\\KorvaneTest\\FormB";
const std::string kRegExeKey = "HKCU\\Software\\KorvaneTest\\FormB";
enum { kOwnerText = 1, kCacheText = 2, kDelaySlider = 3, kHistoryUpDown = 4, kBrokenText = 5 };

// The program's string table is linked in; the dialog's own captions are supplied here while the
// table lacks them.
std::string TestText(int id) {
  static const std::map<int, std::string> dialogTexts = {
      {520, "Funktion bearbeiten"}, {1520, "Edit Function"}, {521, "&Eigenschaften"},
      {1521, "&Properties"},        {522, "Eingabe"},        {1522, "Setting"}};
  char buffer[1024] = {};
  if (LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer) > 0) return buffer;
  auto it = dialogTexts.find(id);
  return it == dialogTexts.end() ? std::string() : it->second;
}

std::string Text(HWND hwnd) {
  char buffer[512] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  return buffer;
}

void SaveScreenshot(HWND window, const std::string& name) {
  const char* dir = std::getenv("KV_SHOT_DIR");
  if (!dir || !*dir) return;
  RECT r;
  GetWindowRect(window, &r);
  kv::screenshots::SaveScreenBitmap(r, std::string(dir) + "\\" + name + ".bmp");
}

// Real input, from the driver thread.
void Key(WORD vk, bool shift = false, bool alt = false) {
  std::vector<INPUT> input;
  auto add = [&](WORD key, DWORD flags) {
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = key;
    i.ki.dwFlags = flags;
    input.push_back(i);
  };
  if (alt) add(VK_MENU, 0);
  if (shift) add(VK_SHIFT, 0);
  add(vk, 0);
  add(vk, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  if (alt) add(VK_MENU, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
  Sleep(60);
}

void Type(const std::string& text) {
  for (char c : text) {
    if (c >= 'a' && c <= 'z') Key(static_cast<WORD>(c - 'a' + 'A'));
    else if (c >= 'A' && c <= 'Z') Key(static_cast<WORD>(c), true);
    else if ((c >= '0' && c <= '9') || c == ' ') Key(static_cast<WORD>(c));
  }
}

void Click(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  SetCursorPos(x, y);
  INPUT input[2] = {};
  for (INPUT& i : input) {
    i.type = INPUT_MOUSE;
    i.mi.dx = (x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    i.mi.dy = (y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
  Sleep(150);
}

class SettingDialogOnWine : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_.RegDelete(kKey, "");
    catalogue_.FktAnzahl = 6;
    catalogue_.Functions.resize(8);
    engine_.InitPathVariables(ReadPlatformFolders());
    test::ValueFunction(catalogue_, kOwnerText, InputText, kKey, "Owner", "Registered owner", "");
    test::ValueFunction(catalogue_, kCacheText, InputText, kKey, "CacheSize", "Disk cache size", " KB");
    test::NumberFunction(catalogue_, kDelaySlider, kKey, "MenuDelay", "Menu show delay", kNumberStyleSlider, 0, 100,
                         " ms");
    test::NumberFunction(catalogue_, kHistoryUpDown, kKey, "History", "History list length", kNumberStyleUpDown, 10,
                         100, " entries");
    test::ValueFunction(catalogue_, kBrokenText, InputText, kKey, "Broken", "Unwritable value", "");
    catalogue_.Functions[kBrokenText].OnActions[0].KeyPath = "HKEY_NOWHERE\\Software";

    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = "FormBTestOwner";
    RegisterClassA(&wc);
    owner_ = CreateWindowExA(0, "FormBTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                             nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(owner_);
  }
  void TearDown() override {
    DestroyWindow(owner_);
    registry_.RegDelete(kKey, "");
  }

  // Opens the dialog for function n on this thread; `script` works it from a second thread once it is
  // shown. A script that leaves the dialog open gets it closed, and `leftOpen` says so.
  std::string Open(int n, const std::function<void(HWND)>& script) {
    leftOpen_ = false;
    kv::test::TestThread driver([&] {
      HWND dialog = nullptr;
      for (int i = 0; i < 200 && !(dialog && IsWindowVisible(dialog)); ++i) {
        Sleep(50);
        dialog = FindWindowA(kSettingDialogClass, nullptr);
      }
      if (!dialog) return;
      Sleep(300);
      script(dialog);
      DWORD start = GetTickCount();
      while (IsWindow(dialog) && GetTickCount() - start < 3000) Sleep(20);
      if (IsWindow(dialog)) {
        leftOpen_ = true;
        PostMessageA(dialog, WM_CLOSE, 0, 0);
      }
    });
    std::string result = FktSetSettings(owner_, n, {catalogue_, engine_, texts_, 15});
    driver.Join();
    return result;
  }

  Win32RegistryStore store_;
  Registry registry_{store_};
  Catalogue catalogue_;
  FunctionEngine engine_{registry_, catalogue_};
  Texts texts_{TestText, 1000};
  HWND owner_ = nullptr;
  bool leftOpen_ = false;
};

TEST_F(SettingDialogOnWine, SliderMovedTo25WithKeysAndOkWritesTheRegistry) {
  registry_.RegWriteDword(kKey, "MenuDelay", 10);
  std::string caption, frame, ok, cancel, labelBefore, labelAfter;
  bool okBefore = true, okAfterEnter = true, openAfterEnter = false, okAfter = false, ownerDisabled = false;
  HWND dialogSeen = nullptr;
  std::string result = Open(kDelaySlider, [&](HWND dialog) {
    dialogSeen = dialog;
    caption = Text(dialog);
    frame = Text(GetDlgItem(dialog, kIdFrame));
    ok = Text(GetDlgItem(dialog, kIdOk));
    cancel = Text(GetDlgItem(dialog, kIdCancel));
    ownerDisabled = !IsWindowEnabled(owner_);
    okBefore = IsWindowEnabled(GetDlgItem(dialog, kIdOk));
    labelBefore = Text(GetDlgItem(dialog, kIdSliderLabel));
    SaveScreenshot(dialog, "slider-panel");
    Key(VK_RETURN);  // OK is disabled: Enter does nothing
    openAfterEnter = IsWindow(dialog) && IsWindowVisible(dialog);
    okAfterEnter = IsWindowEnabled(GetDlgItem(dialog, kIdOk));
    Key(VK_HOME);
    for (int i = 0; i < 25; ++i) Key(VK_RIGHT);
    labelAfter = Text(GetDlgItem(dialog, kIdSliderLabel));
    okAfter = IsWindowEnabled(GetDlgItem(dialog, kIdOk));
    SaveScreenshot(dialog, "slider-panel-25");
    Click(GetDlgItem(dialog, kIdOk));
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_EQ(caption, "Edit Function");
  EXPECT_EQ(frame, "Setting");
  EXPECT_EQ(ok, "&OK");
  EXPECT_EQ(cancel, "&Cancel");
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner_));
  EXPECT_FALSE(IsWindow(dialogSeen));
  EXPECT_FALSE(okBefore);
  EXPECT_TRUE(openAfterEnter);
  EXPECT_FALSE(okAfterEnter);
  EXPECT_EQ(labelBefore, "10 ms");
  EXPECT_EQ(labelAfter, "25 ms");
  EXPECT_TRUE(okAfter);
  EXPECT_EQ(result, "#25 ms");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "MenuDelay"),
            std::make_pair(std::string("REG_DWORD"), std::string("0x19")));
}

TEST_F(SettingDialogOnWine, EscapeAndAltF4ReturnTheErrorTextAndWriteNothing) {
  registry_.RegWriteDword(kKey, "MenuDelay", 10);
  bool okAfterChange = false;
  std::string result = Open(kDelaySlider, [&](HWND dialog) {
    Key(VK_RIGHT);
    okAfterChange = IsWindowEnabled(GetDlgItem(dialog, kIdOk));
    Key(VK_ESCAPE);
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_TRUE(okAfterChange);
  EXPECT_EQ(result, kSettingNotApplied);

  // Escape from the number box and from the text field, after a change in each.
  result = Open(kHistoryUpDown, [&](HWND) {
    Key(VK_UP);
    Key(VK_ESCAPE);
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_EQ(result, kSettingNotApplied);
  result = Open(kOwnerText, [&](HWND) {
    Type("zz");
    Key(VK_ESCAPE);
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_EQ(result, kSettingNotApplied);

  result = Open(kHistoryUpDown, [&](HWND) {
    Key(VK_DOWN);
    Key(VK_F4, false, true);
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_EQ(result, kSettingNotApplied);
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "MenuDelay"),
            std::make_pair(std::string("REG_DWORD"), std::string("0xa")));
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "History").first, "");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Owner").first, "");
}

TEST_F(SettingDialogOnWine, CancelAfterTypingWritesNothing) {
  registry_.RegWriteString(kKey, "Owner", "Alice");
  std::string shown;
  bool okBefore = true, okAfterTyping = false;
  int width = 0;
  std::string result = Open(kOwnerText, [&](HWND dialog) {
    HWND edit = GetDlgItem(dialog, kIdText);
    shown = Text(edit);
    okBefore = IsWindowEnabled(GetDlgItem(dialog, kIdOk));
    RECT r;
    GetWindowRect(edit, &r);
    width = r.right - r.left;
    Type("Bob");
    okAfterTyping = IsWindowEnabled(GetDlgItem(dialog, kIdOk));
    SaveScreenshot(dialog, "text-panel");
    Click(GetDlgItem(dialog, kIdCancel));
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_EQ(shown, "Alice");
  EXPECT_FALSE(okBefore);  // filling the field is no change of the user's
  EXPECT_GT(width, 300);  // no unit: the field takes the frame's width
  EXPECT_TRUE(okAfterTyping);
  EXPECT_EQ(result, kSettingNotApplied);
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Owner"), std::make_pair(std::string("REG_SZ"), std::string("Alice")));
}

TEST_F(SettingDialogOnWine, TextFunctionsReturnTheBareTextWithAndWithoutUnit) {
  std::string result = Open(kOwnerText, [&](HWND) {
    Type("Quorbel Ltd");
    Key(VK_RETURN);
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_EQ(result, "Quorbel Ltd");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Owner"),
            std::make_pair(std::string("REG_SZ"), std::string("Quorbel Ltd")));

  int width = 0;
  std::string unit;
  result = Open(kCacheText, [&](HWND dialog) {
    RECT r;
    GetWindowRect(GetDlgItem(dialog, kIdText), &r);
    width = r.right - r.left;
    unit = Text(GetDlgItem(dialog, kIdTextUnit));
    Type("64");
    SaveScreenshot(dialog, "text-unit-panel");
    Key('O', false, true);  // Alt+O: the OK button's mnemonic
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_EQ(width, 210);  // 3150 twips at 15 twips per pixel
  EXPECT_EQ(unit, " KB");
  EXPECT_EQ(result, "64");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "CacheSize"), std::make_pair(std::string("REG_SZ"), std::string("64")));
}

TEST_F(SettingDialogOnWine, UpDownOpensAtMaximumForALargerStoredValueAndStepsByOne) {
  registry_.RegWriteDword(kKey, "History", 5000);
  std::string shown, afterDown, unit;
  bool okBefore = true;
  std::string result = Open(kHistoryUpDown, [&](HWND dialog) {
    auto* field = controls::UpDownField::FromWindow(GetDlgItem(dialog, kIdUpDown));
    HWND edit = field ? field->EditWindow() : nullptr;
    shown = Text(edit);
    okBefore = IsWindowEnabled(GetDlgItem(dialog, kIdOk));
    unit = Text(GetDlgItem(dialog, kIdUpDownUnit));
    Key(VK_DOWN);
    afterDown = Text(edit);
    SaveScreenshot(dialog, "updown-panel");
    Click(GetDlgItem(dialog, kIdOk));
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_EQ(shown, "100");
  EXPECT_FALSE(okBefore);
  EXPECT_EQ(unit, " entries");
  EXPECT_EQ(afterDown, "99");  // Increment 0 steps by 1
  EXPECT_EQ(result, "#99 entries");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "History"),
            std::make_pair(std::string("REG_DWORD"), std::string("0x63")));
}

TEST_F(SettingDialogOnWine, FailedWriteReturnsTheErrorText) {
  std::string result = Open(kBrokenText, [&](HWND) {
    Type("x");
    Key(VK_RETURN);
  });
  EXPECT_FALSE(leftOpen_);
  EXPECT_EQ(result, kSettingNotApplied);
}

}  // namespace
}  // namespace kv
