// The Windows page's own tabs (Mouse, SysPaths) against a hand-built catalogue.
#include <gtest/gtest.h>

#include "app/pages/core/mouse_tab.h"
#include "app/pages/core/own_tab_functions.h"
#include "app/pages/core/system_paths_tab.h"
#include "app/pages/tests/fake_source.h"

namespace kv {
namespace {

FunctionRecord NumberFn(int min, int max, int deflt, int step = 0) {
  FunctionRecord f = Fn(4, 1, "number", 2);
  f.Minimum = static_cast<std::int16_t>(min);
  f.Maximum = static_cast<std::int16_t>(max);
  f.DefaultNumber = static_cast<std::int16_t>(deflt);
  f.Increment = static_cast<std::int16_t>(step);
  return f;
}

// Functions 1..6 in slots 0..5, 11..18 (paths) in slots 6..13.
FakeSource MouseCatalogue() {
  FakeSource s;
  s.functions.assign(19, Fn(0, 0, "unused", 0));
  s.functions[1] = NumberFn(0, 4000, 400);
  s.functions[2] = NumberFn(1, 64, 4);
  s.functions[3] = NumberFn(1, 64, 4);
  s.functions[4] = NumberFn(-1, 100, 3);
  s.functions[5] = NumberFn(10, 200, 100, 10);
  s.functions[6] = Fn(4, 1, "fast init", 0);
  for (int slot = 0; slot < 6; ++slot) s.slots[slot] = slot + 1;
  for (int row = 0; row < kSystemPathRows; ++row) {
    s.functions[11 + row] = Fn(3, 1, "path " + std::to_string(row), 1);
    s.slots[kFirstSystemPathSlot + row] = 11 + row;
  }
  return s;
}

TEST(LeadingNumber, TakesTheLeadingDigitsAndClamps) {
  EXPECT_EQ(LeadingNumber("  -12abc"), -12);
  EXPECT_EQ(LeadingNumber("x12"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("99999999999999999999"), 2147483647);
  EXPECT_EQ(LeadingNumber("-99999999999999999999"), -2147483647 - 1);
}

TEST(MouseTab, LoadShowsStoredValuesAndWritesNothing) {
  FakeSource s = MouseCatalogue();
  s.values = {{1, "250"}, {2, "6"}, {4, "3"}, {5, "60"}};  // drag tolerance absent: its default
  s.states[6] = 0;
  MouseTabModel tab(s);
  tab.Load();
  const MouseTabState& st = tab.State();
  EXPECT_EQ(st.MenuDelay.Value, 250);
  EXPECT_EQ(st.DelayLabel, "250 ms");
  EXPECT_FALSE(st.MenuDelayOff);
  EXPECT_EQ(st.Tolerance[0].Value, 6);
  EXPECT_EQ(st.Tolerance[1].Value, 4);
  EXPECT_EQ(st.Tolerance[1].Max, 64);
  EXPECT_TRUE(st.WheelOn);
  EXPECT_FALSE(st.WheelFullScreen);
  EXPECT_EQ(st.WheelLines.Value, 3);
  EXPECT_EQ(st.ScanRate.Value, 60);
  EXPECT_EQ(st.ScanRate.Step, 10);
  EXPECT_TRUE(st.FastInit);  // function off = box ticked
  EXPECT_TRUE(s.applied.empty());
}

TEST(MouseTab, MenuDelayOffTicksTheBoxAndUntickingWritesTheSlider) {
  FakeSource s = MouseCatalogue();
  s.values[1] = "65535";
  MouseTabModel tab(s);
  tab.Load();
  EXPECT_TRUE(tab.State().MenuDelayOff);
  EXPECT_FALSE(tab.State().DelayLabelVisible);
  EXPECT_EQ(tab.State().MenuDelay.Value, 0);  // the slider at its minimum
  tab.MenuDelayOffChanged(false);
  EXPECT_EQ(s.applied, std::vector<std::string>({"1=0"}));
  EXPECT_TRUE(tab.State().DelayLabelVisible);
  tab.SliderChanged(800);
  tab.MenuDelayOffChanged(true);
  EXPECT_EQ(s.applied, std::vector<std::string>({"1=0", "1=800", "1=65535"}));
  EXPECT_EQ(tab.State().MenuDelay.Value, 0);
}

TEST(MouseTab, WheelValuesSelectTheOptions) {
  FakeSource s = MouseCatalogue();
  MouseTabModel tab(s);
  s.values[4] = "-1";
  tab.Load();
  EXPECT_TRUE(tab.State().WheelOn);
  EXPECT_TRUE(tab.State().WheelFullScreen);
  s.values[4] = "0";
  tab.Load();
  EXPECT_FALSE(tab.State().WheelOn);
  s.values[4] = "7";
  tab.Load();
  EXPECT_FALSE(tab.State().WheelFullScreen);
  EXPECT_EQ(tab.State().WheelLines.Value, 7);
  EXPECT_TRUE(s.applied.empty());
}

TEST(MouseTab, WheelChangesWriteMinusOneZeroOrTheLines) {
  FakeSource s = MouseCatalogue();
  s.values[4] = "5";
  MouseTabModel tab(s);
  tab.Load();
  tab.WheelOptionChosen(true);
  tab.WheelLinesChanged(9);  // the full-screen option is in force: nothing written
  tab.WheelBoxChanged(false);
  tab.WheelBoxChanged(true);
  tab.WheelOptionChosen(false);
  tab.WheelLinesChanged(2);
  EXPECT_EQ(s.applied, std::vector<std::string>({"4=-1", "4=0", "4=-1", "4=9", "4=2"}));
}

TEST(MouseTab, NumberFieldsAndFastInitWrite) {
  FakeSource s = MouseCatalogue();
  MouseTabModel tab(s);
  tab.Load();
  tab.ToleranceChanged(0, 8);
  tab.ToleranceChanged(1, 12);
  tab.ToleranceChanged(2, 99);  // no such field
  tab.ScanRateChanged(40);
  tab.FastInitChanged(true);
  tab.FastInitChanged(false);
  EXPECT_EQ(s.applied, std::vector<std::string>({"2=8", "3=12", "5=40", "6=off", "6=on"}));
}

TEST(MouseTab, EmptySlotsWriteNothing) {
  FakeSource s = MouseCatalogue();
  s.slots.clear();
  MouseTabModel tab(s);
  tab.Load();
  tab.SliderChanged(100);
  tab.ToleranceChanged(0, 3);
  tab.WheelBoxChanged(false);
  tab.FastInitChanged(true);
  EXPECT_TRUE(s.applied.empty());
}

class FakePathsHost : public SystemPathsHost {
 public:
  bool warn = true;
  bool tickBox = false;
  std::string chosen;
  std::vector<std::string> log;
  std::string ProfileFolder() override { return "C:\\Users\\ann"; }
  bool PathWarning() override { return warn; }
  void SetPathWarning(bool w) override { warn = w; log.push_back(w ? "warn on" : "warn off"); }
  bool ShowPathWarning(const std::string& help) override {
    log.push_back("warning: " + help);
    return tickBox;
  }
  std::string ChooseFolder(const std::string& start) override {
    log.push_back("choose from " + start);
    return chosen;
  }
};

TEST(SystemPathsTab, ShowsPathsWithTheProfileFolder) {
  FakeSource s = MouseCatalogue();
  s.values[11] = "%USERPROFILE%\\Desktop";
  s.values[12] = "D:\\%USERPROFILE%\\%userprofile%";  // only the exact case is replaced
  FakePathsHost host;
  SystemPathsTabModel tab(s, host);
  tab.Load();
  EXPECT_EQ(tab.RowText(0), "C:\\Users\\ann\\Desktop");
  EXPECT_EQ(tab.RowText(1), "D:\\C:\\Users\\ann\\%userprofile%");
  EXPECT_EQ(tab.RowText(2), "");
  EXPECT_EQ(tab.RowText(8), "");
  EXPECT_EQ(tab.RowFunction(-1), -1);
}

TEST(SystemPathsTab, BrowseWarnsUntilSwitchedOffThenWritesTheChoice) {
  FakeSource s = MouseCatalogue();
  FakePathsHost host;
  SystemPathsTabModel tab(s, host);
  tab.Load();
  host.chosen = "E:\\Favs";
  EXPECT_TRUE(tab.Browse(1));
  EXPECT_EQ(tab.RowText(1), "E:\\Favs");
  EXPECT_EQ(s.applied, std::vector<std::string>({"12=E:\\Favs"}));
  host.tickBox = true;
  EXPECT_TRUE(tab.Browse(1));
  EXPECT_FALSE(host.warn);
  host.log.clear();
  EXPECT_TRUE(tab.Browse(1));  // no warning any more: the dialog opens at once
  EXPECT_EQ(host.log, std::vector<std::string>({"choose from E:\\Favs"}));
}

TEST(SystemPathsTab, CancelledDialogChangesNothing) {
  FakeSource s = MouseCatalogue();
  s.values[13] = "C:\\Templates";
  FakePathsHost host;
  host.warn = false;
  SystemPathsTabModel tab(s, host);
  tab.Load();
  EXPECT_FALSE(tab.Browse(2));
  EXPECT_EQ(tab.RowText(2), "C:\\Templates");
  EXPECT_TRUE(s.applied.empty());
  EXPECT_FALSE(tab.Browse(9));
}

}  // namespace
}  // namespace kv
