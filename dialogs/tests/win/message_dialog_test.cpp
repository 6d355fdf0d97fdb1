// The message dialog driven as a user would: real clicks and keys, captions in both languages,
// placement over an owner, and the fade steps seen through the opacity seam.
#include <gtest/gtest.h>

#include <vector>

#include "app/controls/win32/system_version.h"
#include "dialog_driver.h"
#include "dialogs/win/dialog_frame.h"
#include "dialogs/win/fade_out.h"
#include "dialogs/win/message_dialog.h"

namespace kvdlg {
namespace {

using test::ClickControl;
using test::ControlText;
using test::DialogDriver;

class MessageDialogTest : public testing::Test {
 protected:
  void SetUp() override { test::SetLanguage(0); }
  void TearDown() override { test::SetLanguage(0); }

  static int Show(const std::string& headline, const std::string& message, int button, HWND owner = nullptr,
                  bool fade = false) {
    MessageRequest request;
    request.headline = headline;
    request.message = message;
    request.button = button;
    request.owner = owner;
    request.fadeOut = fade;
    return ShowMessageDialog(request);
  }
};

TEST_F(MessageDialogTest, YesNoInGermanAnsweredByClicks) {
  std::string first, second, headline, message;
  {
    DialogDriver driver([&](HWND dialog) {
      first = ControlText(dialog, kIdFirstButton);
      second = ControlText(dialog, kIdSecondButton);
      headline = ControlText(dialog, kIdHeadline);
      message = ControlText(dialog, kIdMessage);
      test::SaveScreenshot("message-german");
      ClickControl(GetDlgItem(dialog, kIdFirstButton));
    });
    EXPECT_EQ(Show("Frage", "Einstellung speichern?|Zweite Zeile", 2), 6);
    EXPECT_FALSE(driver.Forced());
  }
  EXPECT_EQ(first, "&Ja");
  EXPECT_EQ(second, "&Nein");
  EXPECT_EQ(headline, "Frage");
  EXPECT_EQ(message, "Einstellung speichern?\r\nZweite Zeile");

  DialogDriver no([](HWND dialog) { ClickControl(GetDlgItem(dialog, kIdSecondButton)); });
  EXPECT_EQ(Show("Frage", "Nein?", 2), 7);
  EXPECT_FALSE(no.Forced());
}

TEST_F(MessageDialogTest, EnglishCaptionsFollowTheLanguageValue) {
  test::SetLanguage(1);
  std::string first, second;
  DialogDriver driver([&](HWND dialog) {
    first = ControlText(dialog, kIdFirstButton);
    second = ControlText(dialog, kIdSecondButton);
    test::SaveScreenshot("message-english");
    SendMessageA(GetDlgItem(dialog, kIdSecondButton), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(Show("Question", "Save the setting?|A second line explains a little more.", 2), 7);
  EXPECT_EQ(first, "&Yes");
  EXPECT_EQ(second, "&No");

  std::string ok, cancel;
  DialogDriver okCancel([&](HWND dialog) {
    ok = ControlText(dialog, kIdFirstButton);
    cancel = ControlText(dialog, kIdSecondButton);
    SendMessageA(GetDlgItem(dialog, kIdFirstButton), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(Show("", "x", 1), 1);
  EXPECT_EQ(ok, "&OK");
  EXPECT_EQ(cancel, "&Cancel");
}

TEST_F(MessageDialogTest, CloseImageEscapeAndAltF4ReturnCancel) {
  {
    DialogDriver driver([](HWND dialog) { ClickControl(GetDlgItem(dialog, kIdCloseImage)); });
    EXPECT_EQ(Show("x", "close image", 2), 2);
    EXPECT_FALSE(driver.Forced());
  }
  {
    DialogDriver driver([](HWND dialog) {
      SetForegroundWindow(dialog);
      test::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(Show("x", "escape", 0), 2);
    EXPECT_FALSE(driver.Forced());
  }
  {
    // The previous dialog ended with OK; closing by the system command must still give 2.
    DialogDriver ok([](HWND dialog) { ClickControl(GetDlgItem(dialog, kIdSecondButton)); });
    EXPECT_EQ(Show("x", "ok", 0), 1);
    DialogDriver driver([](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(Show("x", "alt f4", 2), 2);
    EXPECT_FALSE(driver.Forced());
  }
}

TEST_F(MessageDialogTest, AltF4OnTheKeyboardReturnsCancel) {
  DialogDriver driver([](HWND dialog) {
    SetForegroundWindow(dialog);
    test::PressKey(VK_F4, true);
  });
  EXPECT_EQ(Show("x", "alt f4 keys", 2), 2);
  EXPECT_FALSE(driver.Forced());
}

TEST_F(MessageDialogTest, EnterPressesTheFirstButton) {
  DialogDriver yes([](HWND dialog) {
    SetForegroundWindow(dialog);
    test::PressKey(VK_RETURN);
  });
  EXPECT_EQ(Show("x", "enter", 2), 6);
  EXPECT_FALSE(yes.Forced());
  DialogDriver ok([](HWND dialog) {
    SetForegroundWindow(dialog);
    test::PressKey(VK_RETURN);
  });
  EXPECT_EQ(Show("x", "enter", 0), 1);
  EXPECT_FALSE(ok.Forced());
}

TEST_F(MessageDialogTest, DraggingTheHeadlineMovesTheDialog) {
  RECT before{}, after{};
  DialogDriver driver([&](HWND dialog) {
    before = test::WindowRectOf(dialog);
    test::DragMouse(before.left + 60, before.top + 18, before.left + 140, before.top + 68);
    Sleep(300);
    after = test::WindowRectOf(dialog);
    ClickControl(GetDlgItem(dialog, kIdSecondButton));
  });
  EXPECT_EQ(Show("Zieh mich", "drag", 0), 1);
  EXPECT_NEAR(after.left - before.left, 80, 2);
  EXPECT_NEAR(after.top - before.top, 50, 2);
}

TEST_F(MessageDialogTest, EmptyHeadlineAndUnknownButtonKind) {
  std::string headline;
  bool firstVisible = true;
  std::string second;
  DialogDriver driver([&](HWND dialog) {
    headline = ControlText(dialog, kIdHeadline);
    firstVisible = IsWindowVisible(GetDlgItem(dialog, kIdFirstButton)) != FALSE;
    second = ControlText(dialog, kIdSecondButton);
    ClickControl(GetDlgItem(dialog, kIdSecondButton));
  });
  EXPECT_EQ(Show("", "Kind 7 acts as kind 0", 7), 1);
  EXPECT_EQ(headline, "Korvane 2000");
  EXPECT_FALSE(firstVisible);
  EXPECT_EQ(second, "&OK");
}

HWND MakeOwner(int x, int y, int w, int h) {
  return CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(MessageDialogTest, ModalCentredOnOwnerAndKeptOnScreen) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  HWND middle = MakeOwner(200, 150, 600, 400);
  RECT placed{};
  bool ownerEnabled = true;
  {
    DialogDriver driver([&](HWND dialog) {
      placed = test::WindowRectOf(dialog);
      ownerEnabled = IsWindowEnabled(middle) != FALSE;
      ClickControl(GetDlgItem(dialog, kIdSecondButton));
    });
    Show("x", "centred", 0, middle);
  }
  EXPECT_NEAR((placed.left + placed.right) / 2, 500, 1);
  EXPECT_NEAR((placed.top + placed.bottom) / 2, 350, 1);
  EXPECT_FALSE(ownerEnabled);  // modal: the owner takes no input meanwhile
  EXPECT_TRUE(IsWindowEnabled(middle));
  DestroyWindow(middle);

  HWND corner = MakeOwner(work.right - 80, work.bottom - 60, 200, 150);
  {
    DialogDriver driver([&](HWND dialog) {
      placed = test::WindowRectOf(dialog);
      ClickControl(GetDlgItem(dialog, kIdSecondButton));
    });
    Show("x", "near the corner", 0, corner);
  }
  EXPECT_LE(placed.right, work.right);
  EXPECT_LE(placed.bottom, work.bottom);
  EXPECT_GE(placed.left, work.left);
  EXPECT_GE(placed.top, work.top);
  DestroyWindow(corner);

  {
    DialogDriver driver([&](HWND dialog) {
      placed = test::WindowRectOf(dialog);
      ClickControl(GetDlgItem(dialog, kIdSecondButton));
    });
    Show("x", "no owner", 0, nullptr);
  }
  EXPECT_NEAR((placed.left + placed.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((placed.top + placed.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

std::vector<int> g_alphas;
void RecordAlpha(HWND, int alpha) { g_alphas.push_back(alpha); }

TEST_F(MessageDialogTest, FadeOutStepsThroughOpacityBy30) {
  g_alphas.clear();
  SetFadeObserver(&RecordAlpha);
  DialogDriver driver([](HWND dialog) { ClickControl(GetDlgItem(dialog, kIdSecondButton)); });
  EXPECT_EQ(Show("x", "fade", 0, nullptr, true), 1);
  SetFadeObserver(nullptr);
  if (kv::IsWindows2000OrLater()) {
    EXPECT_EQ(g_alphas, (std::vector<int>{255, 225, 195, 165, 135, 105, 75, 45, 15}));
  } else {
    EXPECT_TRUE(g_alphas.empty());  // NT 4.0 has no layered windows: the dialog simply closes
  }

  g_alphas.clear();
  SetFadeObserver(&RecordAlpha);
  DialogDriver plain([](HWND dialog) { ClickControl(GetDlgItem(dialog, kIdSecondButton)); });
  EXPECT_EQ(Show("x", "no fade", 0), 1);
  SetFadeObserver(nullptr);
  EXPECT_TRUE(g_alphas.empty());
}

}  // namespace
}  // namespace kvdlg
