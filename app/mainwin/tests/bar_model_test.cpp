// Bar control model and the stored layout: lookup, add/remove, pop-up states, events, localisation.
#include <gtest/gtest.h>

#include <map>

#include "app/mainwin/core/bar_layout.h"
#include "app/mainwin/core/bar_model.h"
#include "app/mainwin/core/localise_form.h"

namespace kv {
namespace {

struct Recorder : BarEvents {
  std::vector<std::string> log;
  bool cancelNext = false;
  void ToolClick(const BarBand& band, const BarTool& tool) override {
    log.push_back("click " + band.Name + "/" + tool.Name + "#" + std::to_string(tool.Id));
  }
  void BandOpen(const BarBand& band, bool* cancel) override {
    log.push_back("open " + band.Name);
    if (cancelNext) *cancel = true;
  }
  void GroupChange(int g) override { log.push_back("group " + std::to_string(g)); }
};

TEST(BarModel, StoredLayoutIdsNamesAndCategories) {
  BarModel bar;
  BuildMainBarLayout(bar);
  EXPECT_EQ(bar.Tool("Menu", "toDatei")->Id, 200);
  EXPECT_EQ(bar.Tool("Menu", "toNet")->Caption, "&Internet");
  EXPECT_EQ(bar.Tool("SideBar", "sb3")->Id, 520);
  EXPECT_EQ(bar.Tool("SideBar", "sb6")->Category, "455");
  EXPECT_EQ(bar.Tool("System", "sb5")->Caption, "450");
  EXPECT_EQ(bar.ToolById("SideBar", 700)->Name, "sb7");
  EXPECT_FALSE(bar.Tool("muDatei", "btFkt")->Visible);  // off until the editor exists
  EXPECT_EQ(bar.Tool("muDatei", "btEnd")->Id, 370);
  EXPECT_EQ(bar.Tool("TreeViewStyle", "hLine")->Style, ToolStyle::Separator);
  EXPECT_EQ(bar.Tool("InfoLine", "FrmSet")->Style, ToolStyle::ControlHost);
  EXPECT_FALSE(bar.Band("Banner")->Visible);
  EXPECT_EQ(bar.Band("SideBar")->Groups.size(), 2u);
  EXPECT_EQ(bar.Tool("Nope", "sb1"), nullptr);
  EXPECT_EQ(bar.Tool("Menu", "sb1"), nullptr);
  BarModel host;
  BuildHostBarLayout(host);
  EXPECT_EQ(host.Tool("Main", "FormSet")->Id, 0);
}

TEST(BarModel, AddRemoveAndHostReAddWithNewId) {
  BarModel host;
  BuildHostBarLayout(host);
  unsigned g = host.Generation();
  EXPECT_TRUE(host.RemoveTool("Main", "FormSet"));
  EXPECT_FALSE(host.RemoveTool("Main", "FormSet"));
  BarTool* t = host.AddTool("Main", 110, "FormSet");
  t->Style = ToolStyle::ControlHost;
  t->HostedControl = 0x1234;
  EXPECT_EQ(host.Tool("Main", "FormSet")->Id, 110);
  EXPECT_GT(host.Generation(), g);
  EXPECT_EQ(host.AddTool("Missing", 1, "x"), nullptr);
  BarModel bar;
  BuildMainBarLayout(bar);
  for (int n = 1; n <= 3; ++n) bar.AddTool("muNet", 5000 + n, "btNet");
  EXPECT_EQ(bar.Band("muNet")->Tools.size(), 3u);
  EXPECT_EQ(bar.ToolById("muNet", 5002)->Name, "btNet");
}

TEST(BarModel, EventsClickOpenCancelAndGroupChange) {
  BarModel bar;
  BuildMainBarLayout(bar);
  Recorder rec;
  bar.SetEvents(&rec);
  EXPECT_TRUE(bar.Click("SideBar", "sb2"));
  EXPECT_TRUE(bar.RequestOpen("muDatei"));
  EXPECT_FALSE(bar.RequestOpen("SysCustomize"));  // unknown here, and always cancelled
  rec.cancelNext = true;
  EXPECT_FALSE(bar.RequestOpen("muHelp"));
  bar.Tool("TreeViewStyle", "btUndo")->Enabled = false;
  EXPECT_FALSE(bar.Click("TreeViewStyle", "btUndo"));   // disabled: no event
  EXPECT_FALSE(bar.ClickId("TreeViewStyle", 1020));     // separator: no event
  EXPECT_TRUE(bar.ClickId("TreeViewStyle", 1050));
  bar.SelectGroup(1);
  bar.SelectGroup(1);  // same group: no event
  bar.SelectGroup(5);  // out of range: ignored
  std::vector<std::string> expected = {"click SideBar/sb2#510", "open muDatei", "open muHelp",
                                       "click TreeViewStyle/btPlusMinus#1050", "group 1"};
  EXPECT_EQ(rec.log, expected);
  bar.AddBand(kCustomizeBand, BandKind::Popup);
  rec.cancelNext = false;
  EXPECT_FALSE(bar.RequestOpen(kCustomizeBand));  // existing, still cancelled
}

TEST(BarModel, AccessKeysAndAnimationStyle) {
  EXPECT_EQ(CaptionDisplayText("&Datei"), "Datei");
  EXPECT_EQ(CaptionAccessKey("&Datei"), 'D');
  EXPECT_EQ(CaptionDisplayText("Baum && PlusMinus"), "Baum & PlusMinus");
  EXPECT_EQ(CaptionAccessKey("Baum && PlusMinus"), 0);
  EXPECT_EQ(CaptionAccessKey("Programm&optionen..."), 'O');
  EXPECT_EQ(CaptionAccessKey("x&"), 0);
  BarModel bar;
  bar.SetMenuAnimation(1);
  EXPECT_EQ(bar.MenuAnimation(), 1);
  bar.SetMenuAnimation(7);
  EXPECT_EQ(bar.MenuAnimation(), 2);
}

TEST(BarLayout, GeometryAndHitTest) {
  BarModel bar;
  BuildMainBarLayout(bar);
  BarMetrics m;
  auto measure = [](const std::string& s) { return static_cast<int>(s.size()) * 6; };
  auto items = ComputeBarLayout(bar, 800, 500, m, measure);
  const BarItem* hit = HitTest(items, 5, 5);
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->ToolName, "toDatei");
  // Group 0 open: its header on top, the second header at the bottom, tools between.
  hit = HitTest(items, 10, 500 - 5);
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->Kind, BarItemKind::GroupHeader);
  EXPECT_EQ(hit->Group, 1);
  hit = HitTest(items, 10, m.MenuHeight + m.GroupHeaderHeight + 6 + 1);
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->ToolName, "sb1");
  const BarItem& client = items.back();
  EXPECT_EQ(client.Kind, BarItemKind::Client);
  EXPECT_EQ(client.Rect.Left, m.SideBarWidth);
  EXPECT_EQ(client.Rect.Top, m.MenuHeight + m.HeadlineHeight);
  bar.SelectGroup(1);
  items = ComputeBarLayout(bar, 800, 500, m, measure);
  hit = HitTest(items, 10, m.MenuHeight + 2 * m.GroupHeaderHeight + 6 + 1);
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->ToolName, "sb6");
  bar.SetBandVisible("InfoLine", false);
  items = ComputeBarLayout(bar, 800, 500, m, measure);
  EXPECT_EQ(items.back().Rect.Top, m.MenuHeight);
  bar.Tool("Menu", "toNet")->Visible = false;
  items = ComputeBarLayout(bar, 800, 500, m, measure);
  for (const BarItem& it : items) EXPECT_NE(it.ToolName, "toNet");
}

TEST(LocaliseForm, ThresholdsPerKindOfText) {
  std::map<int, std::string> table = {{5, "five"}, {400, "Datei"}, {1400, "File"}, {445, "System \\"},
                                      {500, "OK"}, {1500, "OK en"}, {600, "Allgemein"}, {1600, "General"}};
  Texts de([&](int id) { auto it = table.find(id); return it == table.end() ? std::string() : it->second; }, 0);
  Texts en(de.raw(), 1000);
  std::string caption = "5", control = "500", lowControl = "499", bar = "400", lowBar = "399", tab = "600",
              plain = "Normal text", spaced = " 500 ", odd = "500x";
  std::vector<std::string> combo = {"500", "hello", "12"};
  FormTexts f;
  f.Caption = &caption;
  f.ControlCaptions = {&control, &lowControl, &plain, &spaced, &odd};
  f.ComboEntries = {&combo};
  f.BarTexts = {&bar, &lowBar};
  f.TabCaptions = {&tab};
  LocaliseForm(f, de);
  EXPECT_EQ(caption, "five");
  EXPECT_EQ(control, "OK");
  EXPECT_EQ(lowControl, "499");
  EXPECT_EQ(plain, "Normal text");
  EXPECT_EQ(spaced, "OK");
  EXPECT_EQ(odd, "500x");
  EXPECT_EQ(combo, (std::vector<std::string>{"OK", "hello", "12"}));
  EXPECT_EQ(bar, "Datei");
  EXPECT_EQ(lowBar, "399");
  EXPECT_EQ(tab, "Allgemein");
  std::string again = "400";
  EXPECT_TRUE(LocaliseText(again, kBarTextFloor, en));
  EXPECT_EQ(again, "File");
  std::string zero = "0";
  EXPECT_FALSE(LocaliseText(zero, kFormCaptionFloor, en));
  EXPECT_EQ(DesignedTextId("1234567890"), -1);
  EXPECT_EQ(DesignedTextId("-5"), -1);
  // The whole main bar localises: categories and group captions included.
  BarModel main;
  BuildMainBarLayout(main);
  FormTexts barForm;
  barForm.BarTexts = BarTextsOf(main);
  LocaliseForm(barForm, en);
  EXPECT_EQ(main.Tool("Menu", "toDatei")->Caption, "File");
  EXPECT_EQ(main.Tool("Menu", "toNet")->Caption, "&Internet");
}

TEST(Texts, OffsetAndLineBreaks) {
  Texts t([](int id) { return std::to_string(id); }, 1000);
  EXPECT_EQ(t(114), "1114");
  EXPECT_EQ(ExpandLineBreaks("a|b||c", "\r"), "a\rb\r\rc");
  EXPECT_EQ(Texts()(5), "");
}

}  // namespace
}  // namespace kv
