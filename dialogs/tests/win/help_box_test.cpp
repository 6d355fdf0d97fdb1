// The help box: heading split, scrolling to the end stops the "more" mark, the check box result,
// titles in both languages, fade steps of 10.
#include <gtest/gtest.h>

#include <vector>

#include "app/controls/win32/system_version.h"
#include "dialog_driver.h"
#include "dialogs/win/dialog_frame.h"
#include "dialogs/win/fade_out.h"
#include "dialogs/win/help_box.h"

namespace kvdlg {
namespace {

using test::ClickControl;
using test::ControlText;
using test::DialogDriver;

std::string LongText() {
  std::string text = "Anzeige#";
  for (int i = 1; i <= 60; ++i) text += "Zeile " + std::to_string(i) + " der Beschreibung.|";
  return text;
}

class HelpBoxTest : public testing::Test {
 protected:
  void SetUp() override { test::SetLanguage(0); }
  void TearDown() override { test::SetLanguage(0); }

  static int Show(const std::string& message, const std::string& check = "", const std::string& title = "",
                  bool fade = false) {
    HelpRequest request;
    request.message = message;
    request.checkText = check;
    request.headlineText = title;
    request.fadeOut = fade;
    return ShowHelpBox(request);
  }
};

TEST_F(HelpBoxTest, HeadingSplitAndShortTextNeedsNoScrolling) {
  std::string heading, body, title;
  HelpBoxState state;
  bool checkVisible = true;
  DialogDriver driver([&](HWND box) {
    heading = ControlText(box, kIdHelpHeading);
    body = ControlText(GetDlgItem(box, kIdHelpArea), kIdHelpText);
    title = ControlText(box, kIdHeadline);
    state = InspectHelpBox(box);
    checkVisible = IsWindowVisible(GetDlgItem(box, kIdHelpCheck)) != FALSE;
    ClickControl(GetDlgItem(box, kIdHelpOk));
  });
  EXPECT_EQ(Show("Titel#Erste Zeile|zweite Zeile"), 0);
  EXPECT_FALSE(driver.Forced());
  EXPECT_EQ(heading, "Titel");
  EXPECT_EQ(body, "Erste Zeile\r\nzweite Zeile");
  EXPECT_EQ(title, "Funktionsbeschreibung");
  ASSERT_TRUE(state.found);
  EXPECT_FALSE(state.scrollEnabled);
  EXPECT_FALSE(state.blinking);
  EXPECT_FALSE(checkVisible);
  EXPECT_EQ(state.areaHeight % state.lineHeight, 0);
}

TEST_F(HelpBoxTest, TextStartingWithHashHasNoHeading) {
  bool hasHeading = true;
  std::string body;
  DialogDriver driver([&](HWND box) {
    hasHeading = GetDlgItem(box, kIdHelpHeading) != nullptr;
    body = ControlText(GetDlgItem(box, kIdHelpArea), kIdHelpText);
    PostMessageA(box, WM_COMMAND, kIdCloseImage, 0);
  });
  Show("#kein Kopf");
  EXPECT_FALSE(hasHeading);
  EXPECT_EQ(body, "#kein Kopf");
}

TEST_F(HelpBoxTest, LongTextScrollsToTheEndAndStopsBlinking) {
  HelpBoxState before, after;
  DialogDriver driver([&](HWND box) {
    test::SaveScreenshot("helpbox-german");
    before = InspectHelpBox(box);
    HWND bar = GetDlgItem(box, kIdHelpScrollBar);
    SendMessageA(bar, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(bar, WM_VSCROLL, SB_BOTTOM, 0);
    after = InspectHelpBox(box);
    SendMessageA(GetDlgItem(box, kIdHelpOk), BM_CLICK, 0, 0);
  });
  Show(LongText(), "Diese Information nicht mehr anzeigen");
  ASSERT_TRUE(before.found);
  EXPECT_TRUE(before.scrollEnabled);
  EXPECT_TRUE(before.blinking);
  EXPECT_EQ(before.smallChange, before.lineHeight);
  EXPECT_GT(before.scrollMax, 0);
  EXPECT_EQ(after.value, after.scrollMax);
  EXPECT_FALSE(after.blinking);
}

TEST_F(HelpBoxTest, TickedCheckBoxReturnsOneInEnglish) {
  test::SetLanguage(1);
  std::string title, ok;
  DialogDriver driver([&](HWND box) {
    title = ControlText(box, kIdHeadline);
    ok = ControlText(box, kIdHelpOk);
    ClickControl(GetDlgItem(box, kIdHelpCheck));
    Sleep(100);
    test::SaveScreenshot("helpbox-english");
    ClickControl(GetDlgItem(box, kIdHelpOk));
  });
  std::string text = "Display#";
  for (int i = 1; i <= 40; ++i) text += "Line " + std::to_string(i) + " of the description.|";
  EXPECT_EQ(Show(text, "Don't display this message again"), 1);
  EXPECT_FALSE(driver.Forced());
  EXPECT_EQ(title, "Function Help");
  EXPECT_EQ(ok, "&OK");

  DialogDriver own([&](HWND box) {
    title = ControlText(box, kIdHeadline);
    ClickControl(GetDlgItem(box, kIdHelpOk));
  });
  EXPECT_EQ(Show("short", "unticked", "Own title"), 0);
  EXPECT_EQ(title, "Own title");
}

std::vector<int> g_alphas;
void RecordAlpha(HWND, int alpha) { g_alphas.push_back(alpha); }

TEST_F(HelpBoxTest, FadeOutStepsThroughOpacityBy10) {
  g_alphas.clear();
  SetFadeObserver(&RecordAlpha);
  DialogDriver driver([](HWND box) { SendMessageA(GetDlgItem(box, kIdHelpOk), BM_CLICK, 0, 0); });
  Show("fade", "", "", true);
  SetFadeObserver(nullptr);
  if (!kv::IsWindows2000OrLater()) {
    EXPECT_TRUE(g_alphas.empty());  // NT 4.0 has no layered windows: the box simply closes
    return;
  }
  ASSERT_EQ(g_alphas.size(), 26u);
  for (std::size_t i = 0; i < g_alphas.size(); ++i) EXPECT_EQ(g_alphas[i], 255 - 10 * static_cast<int>(i));
}

}  // namespace
}  // namespace kvdlg
