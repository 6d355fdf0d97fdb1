// One icon list without windows: which functions get a line (value, default location, %SystemRoot%,
// undrawable icons), and what a double-click changes (nothing for a cancelled, unchanged or
// undrawable choice; otherwise picture, cargo, the engine's value write and the cache refresh).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <vector>

#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/registry.h"
#include "app/pages/icons/core/icons_tab.h"
#include "app/pages/tests/fake_source.h"

namespace kv {
namespace {

const char* const kSys = "C:\\WINNT\\system32\\";
const char* const kWin = "C:\\WINNT\\";
const char* const kShellIcons = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// Platform stand-in: short forms by table (else upper case), icons drawable by "FILE#index".
class FakePlatform : public IconPlatform {
 public:
  std::map<std::string, std::string> shortForms;
  std::set<std::string> drawable;
  std::string choice;
  std::vector<std::string> log;

  std::string ShortPath(const std::string& file) override {
    auto it = shortForms.find(file);
    return it == shortForms.end() ? Upper(file) : it->second;
  }
  void ClearScratch() override { log.push_back("clear"); }
  bool DrawIntoScratch(const std::string& file, int index) override {
    const std::string what = file + "#" + std::to_string(index);
    log.push_back("draw " + what);
    return drawable.count(what) != 0;
  }
  std::string ChooseIcon(const std::string& file, int index) override {
    log.push_back("dialog " + file + "#" + std::to_string(index));
    return choice;
  }
  void RefreshIconCache() override { log.push_back("refresh"); }
};

struct Line {
  std::string text, cargo;
  int picture = 0;
};

class FakeList : public IconListView {
 public:
  std::vector<Line> lines;
  int images = 0, selected = -1, redraws = 0;
  int AddScratchImage() override { return ++images; }
  int AddItem(const std::string& text, int picture) override {
    lines.push_back({text, "", picture});
    return static_cast<int>(lines.size()) - 1;
  }
  void SetItemPicture(int line, int picture) override { lines.at(line).picture = picture; }
  void SetCargo(int line, const std::string& cargo) override { lines.at(line).cargo = cargo; }
  std::string Cargo(int line) const override { return lines.at(line).cargo; }
  int Count() const override { return static_cast<int>(lines.size()); }
  int Selected() const override { return selected; }
  void Select(int line) override { selected = line; }
  void Redraw() override { ++redraws; }
};

class IconsTabTest : public ::testing::Test {
 protected:
  IconsTabTest() : registry_(store_), model_(source_, registry_, platform_, kSys, kWin) {
    source_.functions.resize(160);
  }
  // Function `number` in `slot`, reading value `valueName` of the Shell Icons key.
  void Slot(int slot, int number, const std::string& caption, const std::string& valueName) {
    source_.slots[slot] = number;
    FunctionRecord& f = source_.functions[number];
    f = Fn(10, 1, caption, InputText);
    f.StateKeyPath = kShellIcons;
    f.StateValueName = valueName;
  }
  void Store(const std::string& valueName, const std::string& text) {
    ASSERT_TRUE(registry_.RegWriteString(kShellIcons, valueName, text));
  }
  std::string Stored(const std::string& valueName) { return registry_.RegReadString(kShellIcons, valueName, ""); }

  MemoryRegistryStore store_;
  Registry registry_;
  FakeSource source_;
  FakePlatform platform_;
  FakeList list_;
  IconsTabModel model_;
};

TEST_F(IconsTabTest, FillShowsEachDrawableFunctionOfTheRangeInSlotOrder) {
  Slot(23, 138, "Closed folder", "3");
  Slot(24, 139, "Open folder", "4");     // absent: default location with the value name as index
  Slot(25, 140, "Hard disk", "8");       // cannot be drawn: left out
  Slot(46, 146, "No icon", "2");         // last slot of the range
  Slot(47, 147, "Programs", "19");       // list 2: not in list 1
  source_.slots[30] = 155;               // a slot naming an empty record
  source_.slots[31] = 999;               // a slot naming no record at all
  Store("3", "%SystemRoot%\\system32\\shell32.dll,15");
  Store("8", "C:\\gone.dll,1");
  Store("2", "c:\\icons\\mine.ico");
  platform_.drawable = {"C:\\WINNT\\SYSTEM32\\SHELL32.DLL#15", "C:\\WINNT\\SYSTEM32\\SHELL32.DLL#4",
                        "C:\\ICONS\\MINE.ICO#0", "C:\\WINNT\\SYSTEM32\\SHELL32.DLL#19"};

  model_.Fill(1, list_);

  ASSERT_EQ(list_.Count(), 3);
  EXPECT_EQ(list_.lines[0].text, ";Closed folder");
  EXPECT_EQ(list_.lines[0].cargo, "138|C:\\WINNT\\system32\\shell32.dll,15");
  EXPECT_EQ(list_.lines[1].text, ";Open folder");
  EXPECT_EQ(list_.lines[1].cargo, "139|C:\\WINNT\\system32\\SHELL32.DLL ,4");
  EXPECT_EQ(list_.lines[2].cargo, "146|c:\\icons\\mine.ico");
  EXPECT_EQ(list_.lines[0].picture, 1);
  EXPECT_EQ(list_.lines[2].picture, 3);
  EXPECT_EQ(list_.selected, 0);
  // Every drawing starts on a cleared picture, and the picture is cleared after it was taken.
  const std::vector<std::string> firstLine = {"clear", "draw C:\\WINNT\\SYSTEM32\\SHELL32.DLL#15", "clear"};
  EXPECT_TRUE(std::equal(firstLine.begin(), firstLine.end(), platform_.log.begin()));

  FakeList second;
  model_.Fill(2, second);
  ASSERT_EQ(second.Count(), 1);
  EXPECT_EQ(second.lines[0].cargo, "147|C:\\WINNT\\system32\\SHELL32.DLL ,19");
}

TEST_F(IconsTabTest, FillWithNothingDrawableSelectsNothing) {
  Slot(23, 123, "My Computer", "");
  model_.Fill(1, list_);
  EXPECT_EQ(list_.Count(), 0);
  EXPECT_EQ(list_.selected, -1);
  FakeList other;
  model_.Fill(3, other);  // no such list
  EXPECT_EQ(other.Count(), 0);
}

TEST_F(IconsTabTest, FillReadsOddValuesWithoutHarm) {
  Slot(23, 126, "Recycle Bin (empty)", "empty");     // value name is no number: index 0
  Slot(24, 127, "Damaged", "full");
  Store("full", std::string(400, 'z') + ",3");       // over-long file: not drawn, not listed
  platform_.drawable = {"C:\\WINNT\\SYSTEM32\\SHELL32.DLL#0"};
  model_.Fill(1, list_);
  ASSERT_EQ(list_.Count(), 1);
  EXPECT_EQ(list_.lines[0].cargo, "126|C:\\WINNT\\system32\\SHELL32.DLL ,empty");
  for (const std::string& step : platform_.log) EXPECT_EQ(step.find("ZZZ"), std::string::npos) << step;
}

class IconChangeTest : public IconsTabTest {
 protected:
  void SetUp() override {
    Slot(23, 138, "Closed folder", "3");
    Store("3", "%SystemRoot%\\system32\\shell32.dll,15");
    platform_.drawable = {"C:\\WINNT\\SYSTEM32\\SHELL32.DLL#15", "C:\\WINNT\\SYSTEM32\\SHELL32.DLL#16",
                          "C:\\PROGRA~1\\ICONS.DLL#2"};
    model_.Fill(1, list_);
    ASSERT_EQ(list_.Count(), 1);
    platform_.log.clear();
  }
  // True when the choice changed nothing: no write, no refresh, the line as it was.
  bool NothingChanged() {
    return source_.applied.empty() && std::count(platform_.log.begin(), platform_.log.end(), "refresh") == 0 &&
           list_.lines[0].cargo == "138|C:\\WINNT\\system32\\shell32.dll,15" && list_.lines[0].picture == 1 &&
           Stored("3") == "%SystemRoot%\\system32\\shell32.dll,15";
  }
};

TEST_F(IconChangeTest, DialogOpensOnTheShortUpperCaseFileAndIndex) {
  platform_.choice = "";
  EXPECT_FALSE(model_.ChangeSelected(list_));
  ASSERT_FALSE(platform_.log.empty());
  EXPECT_EQ(platform_.log[0], "dialog C:\\WINNT\\SYSTEM32\\SHELL32.DLL#15");
  EXPECT_TRUE(NothingChanged());
}

TEST_F(IconChangeTest, UnchangedChoicesChangeNothing) {
  for (const char* same : {"C:\\WINNT\\system32\\shell32.dll,15", "C:\\WINNT\\SYSTEM32\\SHELL32.DLL ,15",
                           "c:\\winnt\\system32\\shell32.dll , 15"}) {
    platform_.choice = same;
    EXPECT_FALSE(model_.ChangeSelected(list_)) << same;
    EXPECT_TRUE(NothingChanged()) << same;
  }
  // The same file named by its long and its short form.
  platform_.shortForms["C:\\Program Files\\icons.dll"] = "C:\\PROGRA~1\\ICONS.DLL";
  list_.lines[0].cargo = "138|C:\\Program Files\\icons.dll,2";
  platform_.choice = "C:\\PROGRA~1\\ICONS.DLL ,2";
  EXPECT_FALSE(model_.ChangeSelected(list_));
  EXPECT_TRUE(source_.applied.empty());
}

TEST_F(IconChangeTest, NewIconIsShownWrittenAndTheCacheRefreshed) {
  platform_.choice = "C:\\WINNT\\SYSTEM32\\SHELL32.DLL ,16";
  EXPECT_TRUE(model_.ChangeSelected(list_));
  EXPECT_EQ(list_.lines[0].picture, 2);
  EXPECT_EQ(list_.lines[0].cargo, "138|C:\\WINNT\\SYSTEM32\\SHELL32.DLL ,16");
  EXPECT_EQ(source_.applied, std::vector<std::string>{"138=C:\\WINNT\\SYSTEM32\\SHELL32.DLL ,16"});
  EXPECT_EQ(list_.redraws, 1);
  const std::vector<std::string> expected = {"dialog C:\\WINNT\\SYSTEM32\\SHELL32.DLL#15", "clear",
                                             "draw C:\\WINNT\\SYSTEM32\\SHELL32.DLL#16", "clear", "refresh"};
  EXPECT_EQ(platform_.log, expected);

  // The next double-click starts from the new location.
  platform_.log.clear();
  platform_.choice = "";
  model_.ChangeSelected(list_);
  EXPECT_EQ(platform_.log[0], "dialog C:\\WINNT\\SYSTEM32\\SHELL32.DLL#16");
}

TEST_F(IconChangeTest, UndrawableChoiceOrOddLineChangesNothing) {
  platform_.choice = "C:\\WINNT\\SYSTEM32\\SHELL32.DLL ,999";
  EXPECT_FALSE(model_.ChangeSelected(list_));
  EXPECT_TRUE(NothingChanged());
  EXPECT_EQ(platform_.log.back(), "clear");  // nothing half-drawn is left in the picture

  platform_.log.clear();
  list_.selected = -1;
  EXPECT_FALSE(model_.ChangeSelected(list_));
  list_.selected = 5;
  EXPECT_FALSE(model_.ChangeSelected(list_));
  list_.selected = 0;
  list_.lines[0].cargo = "no number";
  EXPECT_FALSE(model_.ChangeSelected(list_));
  EXPECT_TRUE(platform_.log.empty());  // no dialog for a line that names no function
}

}  // namespace
}  // namespace kv
