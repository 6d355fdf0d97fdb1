// The setting dialog's rules on the real engine over an in-memory registry and a hand-built catalogue:
// which panel opens with which values, OK only after a user change, what OK writes and returns,
// that Cancel writes nothing, and the width of the text field beside a unit.
#include <gtest/gtest.h>

#include "app/catalogue/memory_registry_store.h"
#include "app/pages/setting_dialog/core/setting_dialog_layout.h"
#include "app/pages/setting_dialog/core/setting_dialog_model.h"
#include "app/pages/setting_dialog/tests/value_functions.h"

namespace kv {
namespace {

const std::string kKey = "HKEY_CURRENT_USER\\Software\\SettingDialogTest";
constexpr int kText = 1, kSlider = 2, kUpDown = 3, kBroken = 4, kOdd = 5;

class SettingDialogTest : public ::testing::Test {
 protected:
  SettingDialogTest() {
    catalogue_.FktAnzahl = 6;
    catalogue_.Functions.resize(8);
    engine_.InitPathVariables({"C:\\WINNT\\system32", "C:\\WINNT\\", "C:\\TEMP", "C:\\Korvane"});

    FunctionRecord& text = test::ValueFunction(catalogue_, kText, InputText, kKey, "Owner", "Owner name", "");
    text.InputPrompt = "Registered owner:";
    text.DefaultText = "nobody";
    FunctionRecord& slider =
        test::NumberFunction(catalogue_, kSlider, kKey, "MenuDelay", "Menu delay", kNumberStyleSlider, 0, 100, " ms");
    slider.Increment = 5;
    slider.InputPrompt = "Value:";
    test::NumberFunction(catalogue_, kUpDown, kKey, "History", "History length", kNumberStyleUpDown, 10, 100,
                         " entries");
    FunctionRecord& broken = test::ValueFunction(catalogue_, kBroken, InputText, kKey, "Value", "Unwritable", "");
    broken.OnActions[0].KeyPath = "HKEY_NOWHERE\\Software";
  }

  // Opens the dialog the way the window does: fill under the loading flag, then hand it to the user.
  void Open(int n) {
    model_.BeginLoad(n);
    EXPECT_TRUE(model_.Loading());
    model_.EndLoad();
  }

  std::int32_t StoredDword(const std::string& name) { return registry_.RegReadDword(kKey, name, -77); }
  std::string StoredText(const std::string& name) { return registry_.RegReadString(kKey, name, "<absent>"); }

  MemoryRegistryStore store_;
  Registry registry_{store_};
  Catalogue catalogue_;
  FunctionEngine engine_{registry_, catalogue_};
  SettingDialogModel model_{engine_, catalogue_};
};

TEST_F(SettingDialogTest, SliderOpensWithTheStoredValueAndOkWritesItWithTheUnit) {
  registry_.RegWriteDword(kKey, "MenuDelay", 10);
  model_.BeginLoad(kSlider);
  EXPECT_EQ(model_.Panel(), SettingPanel::Slider);
  EXPECT_EQ(model_.Caption(), "Menu delay");
  EXPECT_EQ(model_.Prompt(), "Value:");
  EXPECT_EQ(model_.SliderMin(), 0);
  EXPECT_EQ(model_.SliderMax(), 100);
  EXPECT_EQ(model_.SliderValue(), 10);
  EXPECT_EQ(model_.SliderLabel(), "10 ms");
  model_.SlideChanged(10);  // the control echoing the value it was given while filling
  EXPECT_FALSE(model_.OkEnabled());
  model_.EndLoad();

  EXPECT_FALSE(model_.PressOk());  // OK without a change is impossible
  EXPECT_FALSE(model_.Closed());
  EXPECT_EQ(StoredDword("MenuDelay"), 10);

  model_.SlideChanged(24);
  model_.SlideChanged(25);
  EXPECT_EQ(model_.SliderLabel(), "25 ms");
  ASSERT_TRUE(model_.OkEnabled());
  EXPECT_TRUE(model_.PressOk());
  EXPECT_TRUE(model_.Closed());
  EXPECT_EQ(model_.Result(), "#25 ms");
  EXPECT_EQ(StoredDword("MenuDelay"), 25);
}

TEST_F(SettingDialogTest, CancelAndClosingAfterEditsWriteNothing) {
  registry_.RegWriteString(kKey, "Owner", "Alice");
  Open(kText);
  EXPECT_EQ(model_.Text(), "Alice");
  model_.TextChanged("Bob");
  EXPECT_TRUE(model_.OkEnabled());
  model_.PressCancel();
  EXPECT_TRUE(model_.Closed());
  EXPECT_EQ(model_.Result(), kSettingNotApplied);
  EXPECT_FALSE(model_.PressOk());  // a closed dialog applies nothing any more
  EXPECT_EQ(StoredText("Owner"), "Alice");

  Open(kSlider);
  model_.SlideChanged(60);
  model_.PressCancel();
  EXPECT_EQ(model_.Result(), kSettingNotApplied);
  EXPECT_EQ(StoredDword("MenuDelay"), -77);
  EXPECT_EQ(engine_.RestartNeed(), 0);
}

TEST_F(SettingDialogTest, TextFunctionReturnsTheBareTextAndItsFieldNarrowsOnlyBesideAUnit) {
  Open(kText);
  EXPECT_EQ(model_.Panel(), SettingPanel::Text);
  EXPECT_EQ(model_.Text(), "nobody");  // the function's default text when nothing is stored
  EXPECT_FALSE(model_.TextFieldNarrow());
  model_.TextChanged("Quorbel Ltd");
  ASSERT_TRUE(model_.PressOk());
  EXPECT_EQ(model_.Result(), "Quorbel Ltd");
  EXPECT_EQ(StoredText("Owner"), "Quorbel Ltd");

  catalogue_.Functions[kText].Unit = " KB";
  Open(kText);
  EXPECT_TRUE(model_.TextFieldNarrow());
  EXPECT_EQ(model_.Unit(), " KB");
  model_.TextChanged("64");
  ASSERT_TRUE(model_.PressOk());
  EXPECT_EQ(model_.Result(), "64");  // the unit is shown beside the field, never returned

  // An emptied field is a change too, and writes the empty text.
  Open(kText);
  model_.TextChanged("");
  ASSERT_TRUE(model_.PressOk());
  EXPECT_EQ(model_.Result(), "");
  EXPECT_EQ(StoredText("Owner"), "");
}

TEST_F(SettingDialogTest, TextFieldIs3150TwipsWideBesideAUnitAndFullWidthOtherwise) {
  for (int tpp : {15, 12}) {
    SettingDialogLayout narrow = LayoutSettingDialog(true, tpp), full = LayoutSettingDialog(false, tpp);
    EXPECT_NEAR(narrow.text.Width() * tpp, kNarrowTextFieldTwips, tpp) << tpp;
    EXPECT_GT(full.text.Width() * tpp, kNarrowTextFieldTwips + 1500) << tpp;
    EXPECT_GT(narrow.textUnit.left, narrow.text.right) << tpp;
    EXPECT_LE(narrow.textUnit.right, narrow.frame.right) << tpp;
  }
  EXPECT_EQ(LayoutSettingDialog(true, 15).text.Width(), 210);
  EXPECT_EQ(LayoutSettingDialog(true, 0).text.Width(), 210);  // unknown twips per pixel: 96 dpi
}

TEST_F(SettingDialogTest, LayoutKeepsThePanelsInsideTheFrameAndTheButtonsBelowTheTab) {
  SettingDialogLayout l = LayoutSettingDialog(true, 15);
  auto inside = [](const DialogRect& inner, const DialogRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom && inner.Width() > 0 && inner.Height() > 0;
  };
  const DialogRect client{0, 0, l.clientWidth, l.clientHeight};
  for (const DialogRect& r : {l.text, l.textUnit, l.upDown, l.upDownUnit, l.slider, l.sliderLabel})
    EXPECT_TRUE(inside(r, l.frame)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  EXPECT_TRUE(inside(l.frame, l.tab));
  for (const DialogRect& r : {l.caption, l.prompt, l.tab, l.ok, l.cancel}) EXPECT_TRUE(inside(r, client));
  EXPECT_GT(l.ok.top, l.tab.bottom);
  EXPECT_LT(l.ok.right, l.cancel.left);
  EXPECT_GT(l.prompt.top, l.caption.bottom - 1);
  EXPECT_GT(l.tab.top, l.prompt.bottom - 1);
}

TEST_F(SettingDialogTest, UpDownStepsByAtLeastOneAndWritesItsValueWithTheUnit) {
  registry_.RegWriteDword(kKey, "History", 40);
  Open(kUpDown);
  EXPECT_EQ(model_.Panel(), SettingPanel::UpDown);
  EXPECT_EQ(model_.UpDownStep(), 1);  // Increment 0
  EXPECT_EQ(model_.UpDownMin(), 10);
  EXPECT_EQ(model_.UpDownMax(), 100);
  EXPECT_EQ(model_.UpDownValue(), 40);
  EXPECT_EQ(model_.Unit(), " entries");
  EXPECT_EQ(model_.SliderLabel(), "40 entries");  // unused by this panel, harmless

  catalogue_.Functions[kUpDown].Increment = -4;
  Open(kUpDown);
  EXPECT_EQ(model_.UpDownStep(), 1);
  catalogue_.Functions[kUpDown].Increment = 16;
  Open(kUpDown);
  EXPECT_EQ(model_.UpDownStep(), 16);

  model_.UpDownChanged(41);
  ASSERT_TRUE(model_.PressOk());
  EXPECT_EQ(model_.Result(), "#41 entries");
  EXPECT_EQ(StoredDword("History"), 41);
}

TEST_F(SettingDialogTest, StoredValuesOutsideTheRangeOpenAtTheNearestEnd) {
  registry_.RegWriteDword(kKey, "History", 5000);
  Open(kUpDown);
  EXPECT_EQ(model_.UpDownValue(), 100);
  registry_.RegWriteDword(kKey, "MenuDelay", 250);
  Open(kSlider);
  EXPECT_EQ(model_.SliderValue(), 100);
  EXPECT_EQ(model_.SliderLabel(), "100 ms");
  registry_.RegWriteDword(kKey, "History", 3);
  Open(kUpDown);
  EXPECT_EQ(model_.UpDownValue(), 10);
  // A range stored upside down is used the way the controls take it: its ends swapped.
  catalogue_.Functions[kUpDown].Minimum = 100;
  catalogue_.Functions[kUpDown].Maximum = 10;
  registry_.RegWriteDword(kKey, "History", 7);
  Open(kUpDown);
  EXPECT_EQ(model_.UpDownValue(), 10);
}

TEST_F(SettingDialogTest, NumberTypedAboveMaximumAndConfirmedWithEnterIsWrittenAsMaximum) {
  Open(kUpDown);
  model_.UpDownChanged(500);  // still in the box: the field corrects it only when it loses the focus
  ASSERT_TRUE(model_.PressOk());
  EXPECT_EQ(model_.Result(), "#100 entries");
  EXPECT_EQ(StoredDword("History"), 100);
}

TEST_F(SettingDialogTest, EngineFailureReturnsTheErrorText) {
  Open(kBroken);
  model_.TextChanged("x");
  ASSERT_TRUE(model_.PressOk());
  EXPECT_TRUE(model_.Closed());
  EXPECT_EQ(model_.Result(), kSettingNotApplied);

  catalogue_.Functions[kSlider].OnActions[0] = RegistryAction();  // nothing to write: no success either
  Open(kSlider);
  model_.SlideChanged(30);
  ASSERT_TRUE(model_.PressOk());
  EXPECT_EQ(model_.Result(), kSettingNotApplied);
}

TEST_F(SettingDialogTest, FunctionsWithoutAnInputOfOursShowNoPanelAndOnlyCancelWorks) {
  for (auto [kind, style] : {std::pair<int, int>{InputNumber, 2}, {InputNumber, -1}, {InputOnOff, 0}, {7, 0}}) {
    FunctionRecord& f = test::ValueFunction(catalogue_, kOdd, InputText, kKey, "Odd", "Odd", " s");
    f.InputKind = static_cast<std::int16_t>(kind);
    f.NumberStyle = static_cast<std::int16_t>(style);
    Open(kOdd);
    EXPECT_EQ(model_.Panel(), SettingPanel::None) << kind << "/" << style;
    EXPECT_EQ(model_.Caption(), "Odd");
    model_.TextChanged("typed");
    model_.SlideChanged(3);
    model_.UpDownChanged(3);
    EXPECT_FALSE(model_.OkEnabled());
    EXPECT_FALSE(model_.PressOk());
    model_.PressCancel();
    EXPECT_EQ(model_.Result(), kSettingNotApplied);
  }
  EXPECT_EQ(StoredText("Odd"), "<absent>");

  for (int outside : {-1, 7, 8, 30000}) {
    Open(outside);
    EXPECT_EQ(model_.Panel(), SettingPanel::None);
    EXPECT_EQ(model_.Caption(), "");
  }
}

TEST_F(SettingDialogTest, ChangesWhileLoadingNeverEnableOkAndEachOpeningStartsAfresh) {
  model_.BeginLoad(kUpDown);
  model_.UpDownChanged(50);
  model_.TextChanged("x");
  EXPECT_FALSE(model_.OkEnabled());
  model_.EndLoad();
  model_.UpDownChanged(60);
  EXPECT_TRUE(model_.OkEnabled());
  model_.PressOk();

  Open(kSlider);  // a fresh dialog: OK disabled, not closed, no result
  EXPECT_FALSE(model_.OkEnabled());
  EXPECT_FALSE(model_.Closed());
  EXPECT_EQ(model_.Result(), kSettingNotApplied);
}

}  // namespace
}  // namespace kv
