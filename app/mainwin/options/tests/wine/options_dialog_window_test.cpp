// The options dialog under Wine and Xvfb, used as a user would: while the test thread sits in the modal
// dialog, a driver thread clicks its tabs, boxes and buttons and types into the password boxes with real
// input. What OK stored is checked with the system's reg.exe; Cancel must leave the registry untouched.
// Screenshots in English and German land in <build>/artifacts/dialogs/.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/catalogue/win32_registry_store.h"
#include "app/engine/tests/reg_exe.h"
#include "app/mainwin/core/bar_layout.h"
#include "app/mainwin/core/scramble_text.h"
#include "app/mainwin/options/core/options_store.h"
#include "app/mainwin/options/win32/options_dialog_window.h"
#include "dialog_driver.h"

namespace kv {
namespace {

using kvdlg::test::ClickControl;
using kvdlg::test::DialogDriver;
using kvdlg::test::PressKey;
using kvdlg::test::SaveScreenshot;

const char kRegExeMainSet[] = "HKCU\\Software\\Quorbel\\Korvane2k\\MainSet";
const char kRegExePassword[] = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr std::uint32_t kChosenColour = 0x336699;

std::string TableText(int id) {
  char buffer[1024] = {};
  return LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer) > 0 ? buffer : "";
}

void Type(const std::string& text) {
  for (char c : text) {
    if (c >= 'A' && c <= 'Z') {
      keybd_event(VK_SHIFT, 0, 0, 0);
      PressKey(static_cast<WORD>(c));
      keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    } else {
      PressKey(static_cast<WORD>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    }
  }
}

// Real click on a tab of the tab control.
void ClickTab(HWND dialog, int tab) {
  HWND strip = GetDlgItem(dialog, kIdOptionsTab);
  RECT r = {};
  SendMessageA(strip, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&r));
  MapWindowPoints(strip, nullptr, reinterpret_cast<POINT*>(&r), 2);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  Sleep(150);
}

// What a click did shows once the dialog's thread has handled it.
bool Eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 40; ++i) {
    if (condition()) return true;
    Sleep(25);
  }
  return false;
}

bool Checked(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

class OptionsDialogOnWine : public ::testing::Test {
 protected:
  void SetUp() override {
    reg_.RegDelete(kMainSetKey, "");
    reg_.RegDelete(kPasswordKey, kPasswordValue);
    BuildMainBarLayout(bar_);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = "FormATestOwner";
    RegisterClassA(&wc);
    owner_ = CreateWindowExA(0, "FormATestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                             nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(owner_);
  }
  void TearDown() override {
    DestroyWindow(owner_);
    reg_.RegDelete(kMainSetKey, "");
    reg_.RegDelete(kPasswordKey, kPasswordValue);
  }

  // Runs the dialog in the language of `offset` while `script` works it from the driver thread.
  void Run(int offset, const std::function<void(HWND)>& script) {
    OptionsDialogServices services;
    services.texts = Texts(TableText, offset);
    services.showMessage = [this](const std::string&, const std::string& text, bool, HWND) { messages_.push_back(text); };
    services.chooseColour = [this](HWND, std::uint32_t* colour) {
      ++colourDialogs_;
      *colour = kChosenColour;
      return true;
    };
    services.playSound = [this](int kind) { sounds_.push_back(kind); };
    services.applied = [this] { ++applied_; };
    OptionsModel model(reg_, settings_, bar_, 1);
    const std::string caption = services.texts(829);
    DialogDriver driver(script, caption.c_str());
    ShowOptionsDialog(owner_, model, services);
    closed_ = model.Closed();
  }

  Win32RegistryStore store_;
  Registry reg_{store_};
  ProgramSettings settings_;
  BarModel bar_;
  HWND owner_ = nullptr;
  std::vector<std::string> messages_;
  std::vector<int> sounds_;
  int colourDialogs_ = 0, applied_ = 0;
  bool closed_ = false;
};

TEST_F(OptionsDialogOnWine, AnOptionAColourAndAPasswordSetWithRealInputAreStoredByOk) {
  bool ownerDisabled = false, boxesEnabledBefore = true, boxesEnabledAfter = false, applyBefore = true;
  bool applyAfter = false;
  std::string okCaption, tabPasswordLabel;
  Run(1000, [&](HWND dialog) {
    ownerDisabled = !IsWindowEnabled(owner_);
    okCaption = kvdlg::test::ControlText(dialog, IDOK);
    tabPasswordLabel = kvdlg::test::ControlText(dialog, kIdPasswordLabel);
    boxesEnabledBefore = IsWindowEnabled(GetDlgItem(dialog, kIdPasswordBox)) != FALSE;
    applyBefore = IsWindowEnabled(GetDlgItem(dialog, kIdOptionsApply)) != FALSE;
    ClickTab(dialog, 1);
    ClickControl(GetDlgItem(dialog, kIdOptionCheck + kCheckDlgFade));  // fade off
    ClickControl(GetDlgItem(dialog, kIdColourButton));                 // side-bar background
    Eventually([&] { return colourDialogs_ == 1; });
    ClickControl(GetDlgItem(dialog, kIdStyleCombo));                   // the list opens on "Gradient"
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);                                               // "Background pattern"
    applyAfter = Eventually([&] { return IsWindowEnabled(GetDlgItem(dialog, kIdOptionsApply)) != FALSE; });
    Sleep(100);
    SaveScreenshot("options-en-appearance");
    ClickTab(dialog, 0);
    ClickControl(GetDlgItem(dialog, kIdPasswordCheck));  // the focus goes into the first box
    boxesEnabledAfter = Eventually([&] { return IsWindowEnabled(GetDlgItem(dialog, kIdPasswordBox + 1)) != FALSE; });
    Type("Secret7");
    ClickControl(GetDlgItem(dialog, kIdPasswordBox + 1));
    Type("SECRET7");
    SaveScreenshot("options-en-general");
    ClickControl(GetDlgItem(dialog, IDOK));
  });
  EXPECT_TRUE(ownerDisabled);
  EXPECT_EQ(okCaption, "&OK");
  EXPECT_EQ(tabPasswordLabel, "Password:");
  EXPECT_FALSE(boxesEnabledBefore);
  EXPECT_TRUE(boxesEnabledAfter);
  EXPECT_FALSE(applyBefore);
  EXPECT_TRUE(applyAfter);
  EXPECT_TRUE(closed_);
  EXPECT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(sounds_, (std::vector<int>{1, 1}));
  EXPECT_EQ(colourDialogs_, 1);
  EXPECT_EQ(applied_, 1);
  EXPECT_TRUE(IsWindowEnabled(owner_));

  EXPECT_EQ(test::QueryWithRegExe(kRegExeMainSet, "DlgFade").second, "0x0");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeMainSet, "ViewAppLogo").second, "0xffffffff");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeMainSet, "MenuAnimation").second, "0x2");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeMainSet, "SbBackColor").second, "0x336699");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeMainSet, "SbBackStyle").second, "0x2");
  EXPECT_EQ(test::QueryWithRegExe(kRegExePassword, "AppInitPss").first, "REG_SZ");
  // The confirmation as typed, scrambled; read back whole through the registry layer.
  EXPECT_EQ(reg_.RegReadString(kPasswordKey, kPasswordValue, ""), ScrambleText("SECRET7", kScramble));
  EXPECT_EQ(ReadClearPassword(reg_), "SECRET7");
  EXPECT_FALSE(settings_.DlgFade);
  EXPECT_EQ(bar_.Band(kSideBarBand)->Look.BackColor, kChosenColour);
  EXPECT_EQ(bar_.Band(kSideBarBand)->Look.BackStyle, kBackPattern);
}

TEST_F(OptionsDialogOnWine, CancelWritesNothingAndARefusedPasswordKeepsTheDialogOpen) {
  bool openAfterRefusal = false, applyAfterRefusal = true, loadedTicked = false;
  int tabAfterKey = -1;
  std::string loadedBox;
  reg_.RegWriteString(kPasswordKey, kPasswordValue, ScrambleText("alt", kScramble));
  Run(0, [&](HWND dialog) {
    loadedTicked = Checked(dialog, kIdPasswordCheck);
    loadedBox = kvdlg::test::ControlText(dialog, kIdPasswordBox);
    ClickControl(GetDlgItem(dialog, kIdOptionCheck + kCheckSaveLastWinPos));
    ClickControl(GetDlgItem(dialog, kIdPasswordBox + 1));
    Type("x");  // "altx" against "alt"
    ClickControl(GetDlgItem(dialog, kIdOptionsApply));
    openAfterRefusal = IsWindow(dialog) != FALSE;
    applyAfterRefusal = !Eventually([&] { return IsWindowEnabled(GetDlgItem(dialog, kIdOptionsApply)) == FALSE; });
    SaveScreenshot("options-de-general");
    ClickControl(GetDlgItem(dialog, kIdPasswordHelp));  // how the password is kept and what it locks
    PressKey('D', true);  // Alt + the access key of "&Darstellung"
    Eventually([&] {
      tabAfterKey = static_cast<int>(SendMessageA(GetDlgItem(dialog, kIdOptionsTab), TCM_GETCURSEL, 0, 0));
      return tabAfterKey == 1;
    });
    SaveScreenshot("options-de-appearance");
    ClickControl(GetDlgItem(dialog, IDCANCEL));
  });
  EXPECT_TRUE(loadedTicked);
  EXPECT_EQ(loadedBox, "alt");
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_EQ(tabAfterKey, 1);
  EXPECT_EQ(sounds_, (std::vector<int>{1}));
  EXPECT_FALSE(applyAfterRefusal) << "Apply greys itself whatever the save gave";
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[0], TableText(116));
  EXPECT_EQ(messages_[1], TableText(857));
  EXPECT_NE(messages_[1].find("jeder Benutzer lesen kann"), std::string::npos) << messages_[1];
  EXPECT_TRUE(closed_);
  EXPECT_TRUE(settings_.SaveLastWinPos);
  EXPECT_EQ(test::QueryWithRegExe(kRegExeMainSet, "SaveLastWinPos").first, "");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeMainSet, "SbBackStyle").first, "");
  EXPECT_EQ(ReadClearPassword(reg_), "alt");
}

TEST_F(OptionsDialogOnWine, UntickingThePasswordAndPressingEnterRemovesIt) {
  reg_.RegWriteString(kPasswordKey, kPasswordValue, ScrambleText("geheim", kScramble));
  Run(1000, [&](HWND dialog) {
    ClickControl(GetDlgItem(dialog, kIdPasswordCheck));
    PressKey(VK_RETURN);  // the default button
  });
  EXPECT_TRUE(closed_);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(test::QueryWithRegExe(kRegExePassword, "AppInitPss").first, "");
  EXPECT_EQ(test::QueryWithRegExe(kRegExeMainSet, "ShowSysTray").second, "0xffffffff");
}

// A scrambled password may hold any byte; the system's registry must give every one back as stored.
TEST(PasswordValueOnWine, EveryByteOfAScrambledPasswordSurvivesTheRegistry) {
  Win32RegistryStore store;
  Registry reg(store);
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  ASSERT_TRUE(reg.RegWriteString(kPasswordKey, kPasswordValue, all));
  const std::string back = reg.RegReadString(kPasswordKey, kPasswordValue, "");
  std::string lost;
  for (int c = 0; c < 256; ++c)
    if (static_cast<std::size_t>(c) >= back.size() || back[static_cast<std::size_t>(c)] != all[static_cast<std::size_t>(c)])
      lost += std::to_string(c) + " ";
  EXPECT_EQ(back.size(), all.size());
  EXPECT_EQ(lost, "");
  reg.RegDelete(kPasswordKey, kPasswordValue);
}

}  // namespace
}  // namespace kv
