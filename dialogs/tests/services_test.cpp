// Native tests of the subclassing bookkeeping, the timer table and the flat scroll bar model.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "dialogs/core/flat_scroll_model.h"
#include "dialogs/core/subclass_book.h"
#include "dialogs/core/timer_table.h"

namespace kvdlg {
namespace {

// Windows as maps of properties; window 1..9 exist, 50 belongs to another process.
class FakeWindows : public WindowOps {
 public:
  std::map<WindowId, std::map<std::string, PropValue>> props;
  std::map<WindowId, PropValue> procedure;
  bool failInstall = false;

  bool Exists(WindowId w) override { return (w >= 1 && w <= 9) || w == 50; }
  bool OwnedByThisProcess(WindowId w) override { return w != 50; }
  PropValue InstallProcedure(WindowId w) override {
    if (failInstall) return 0;
    PropValue old = procedure.count(w) ? procedure[w] : 0x1000 + static_cast<PropValue>(w);
    procedure[w] = 0xABC;
    return old;
  }
  void RestoreProcedure(WindowId w, PropValue previous) override { procedure[w] = previous; }
  PropValue ReadProp(WindowId w, const std::string& n) override {
    auto it = props[w].find(n);
    return it == props[w].end() ? 0 : it->second;
  }
  void WriteProp(WindowId w, const std::string& n, PropValue v) override { props[w][n] = v; }
  void DropProp(WindowId w, const std::string& n) override { props[w].erase(n); }
};

class RecordingDispatch : public DispatchOps {
 public:
  std::map<PropValue, std::int32_t> responses;
  std::vector<std::string> calls;
  std::int32_t Response(PropValue c, std::uint32_t) override { return responses[c]; }
  std::intptr_t CallClient(PropValue c) override {
    calls.push_back("client" + std::to_string(c));
    return c * 10;
  }
  std::intptr_t CallPrevious(PropValue p) override {
    calls.push_back("previous");
    return p;
  }
};

TEST(SubclassBook, PropertyNamesFollowTheWindowHandleInDecimal) {
  EXPECT_EQ(SubclassBook::ProcedureName(1234), "1234");
  EXPECT_EQ(SubclassBook::WindowCountName(1234), "C1234");
  EXPECT_EQ(SubclassBook::MessageCountName(1234, 276), "1234#276C");
  EXPECT_EQ(SubclassBook::ClientName(1234, 276, 2), "1234#276#2");
}

TEST(SubclassBook, AttachErrorsLeaveNoTrace) {
  FakeWindows w;
  SubclassBook book(w);
  EXPECT_EQ(book.Attach(77, 15, 1), ServiceError::InvalidWindow);
  EXPECT_EQ(book.Attach(50, 15, 1), ServiceError::ExternalWindow);
  ASSERT_EQ(book.Attach(3, 15, 1), ServiceError::None);
  EXPECT_EQ(book.Attach(3, 15, 1), ServiceError::AlreadyHandled);
  EXPECT_EQ(book.AttachmentCount(3), 1);
  EXPECT_EQ(book.Clients(3, 15), std::vector<PropValue>{1});
  w.failInstall = true;
  EXPECT_EQ(book.Attach(4, 15, 1), ServiceError::CantSubclass);
  EXPECT_TRUE(w.props[4].empty());
}

TEST(SubclassBook, DetachClosesGapsAndLastDetachRestoresProcedure) {
  FakeWindows w;
  SubclassBook book(w);
  ASSERT_EQ(book.Attach(2, 15, 11), ServiceError::None);
  ASSERT_EQ(book.Attach(2, 15, 12), ServiceError::None);
  ASSERT_EQ(book.Attach(2, 15, 13), ServiceError::None);
  ASSERT_EQ(book.Attach(2, 20, 11), ServiceError::None);
  EXPECT_EQ(w.procedure[2], 0xABC);
  EXPECT_EQ(book.PreviousProcedure(2), 0x1002);
  EXPECT_EQ(book.AttachmentCount(2), 4);

  book.Detach(2, 15, 12);
  EXPECT_EQ(book.Clients(2, 15), (std::vector<PropValue>{11, 13}));
  EXPECT_EQ(w.ReadProp(2, "2#15#3"), 0);
  EXPECT_FALSE(book.Detach(2, 15, 99));  // not attached: nothing happens
  EXPECT_EQ(book.AttachmentCount(2), 3);
  book.Detach(2, 15, 11);
  book.Detach(2, 15, 13);
  EXPECT_EQ(w.procedure[2], 0xABC);
  book.Detach(2, 20, 11);
  EXPECT_EQ(w.procedure[2], 0x1002);
  EXPECT_TRUE(w.props[2].empty());
  // A later attach installs again over the restored procedure.
  ASSERT_EQ(book.Attach(2, 20, 11), ServiceError::None);
  EXPECT_EQ(book.PreviousProcedure(2), 0x1002);
}

TEST(SubclassBook, DispatchOrderFollowsMsgResponse) {
  FakeWindows w;
  SubclassBook book(w);
  RecordingDispatch d;
  ASSERT_EQ(book.Attach(5, 15, 1), ServiceError::None);
  ASSERT_EQ(book.Attach(5, 15, 2), ServiceError::None);

  // No clients for this message: only the previous procedure.
  EXPECT_EQ(book.Dispatch(5, 16, d), 0x1005);
  EXPECT_EQ(d.calls, std::vector<std::string>{"previous"});

  d.calls.clear();
  d.responses = {{1, kCallPreviousBefore}, {2, 0}};
  EXPECT_EQ(book.Dispatch(5, 15, d), 20);
  EXPECT_EQ(d.calls, (std::vector<std::string>{"previous", "client1", "client2"}));

  d.calls.clear();
  d.responses = {{1, 0}, {2, kCallPreviousAfter}};
  EXPECT_EQ(book.Dispatch(5, 15, d), 0x1005);
  EXPECT_EQ(d.calls, (std::vector<std::string>{"client1", "client2", "previous"}));

  d.calls.clear();
  d.responses = {{1, kCallPreviousAfter}, {2, kCallPreviousBefore}};  // not first/last: ignored
  book.Dispatch(5, 15, d);
  EXPECT_EQ(d.calls, (std::vector<std::string>{"client1", "client2"}));
}

class FakeTimers : public TimerOps {
 public:
  std::uintptr_t next = 100;
  bool fail = false;
  std::set<std::uintptr_t> running;
  std::uintptr_t Start(std::int32_t) override {
    if (fail) return 0;
    running.insert(++next);
    return next;
  }
  void Stop(std::uintptr_t n) override { running.erase(n); }
};

TEST(Timers, IntervalStartsRestartsAndStops) {
  TimerTable table;
  FakeTimers ops;
  TimerState t;
  int owner = 0;
  EXPECT_EQ(t.SetInterval(500, &owner, table, ops), ServiceError::None);
  std::uintptr_t first = t.TimerNumber();
  EXPECT_EQ(table.Find(first), &owner);
  EXPECT_EQ(t.SetInterval(500, &owner, table, ops), ServiceError::None);
  EXPECT_EQ(t.TimerNumber(), first);
  EXPECT_EQ(t.SetInterval(250, &owner, table, ops), ServiceError::None);
  EXPECT_NE(t.TimerNumber(), first);
  EXPECT_EQ(ops.running.size(), 1u);
  EXPECT_EQ(table.Find(first), nullptr);
  EXPECT_EQ(t.SetInterval(-1, &owner, table, ops), ServiceError::None);
  EXPECT_TRUE(ops.running.empty());
  EXPECT_EQ(table.Count(), 0u);
  EXPECT_EQ(t.Interval(), 0);
}

TEST(Timers, FullTableAndFailedSystemTimerLeaveIntervalZero) {
  TimerTable table;
  FakeTimers ops;
  std::vector<TimerState> timers(TimerTable::kSlots + 1);
  for (std::size_t i = 0; i < TimerTable::kSlots; ++i) {
    ASSERT_EQ(timers[i].SetInterval(10, &timers[i], table, ops), ServiceError::None);
  }
  EXPECT_EQ(timers.back().SetInterval(10, &timers.back(), table, ops), ServiceError::TooManyTimers);
  EXPECT_EQ(timers.back().Interval(), 0);
  EXPECT_STREQ(ServiceErrorText(ServiceError::TooManyTimers), "No more than 10 timers allowed per class");
  timers[0].SetInterval(0, &timers[0], table, ops);
  ops.fail = true;
  EXPECT_EQ(timers[0].SetInterval(10, &timers[0], table, ops), ServiceError::CantCreateTimer);
  EXPECT_EQ(timers[0].Interval(), 0);
  EXPECT_EQ(ServiceErrorHresult(ServiceError::CantCreateTimer), 0x80040000u + 13652u);
}

TEST(FlatScroll, RangeMappingKeepsThumbBetweenMinAndMax) {
  FlatScrollModel m;
  m.min = 0;
  m.max = 100;
  m.largeChange = 20;
  PlatformRange r = m.Range();
  EXPECT_EQ(r.min, 0);
  EXPECT_EQ(r.max, 120);
  EXPECT_EQ(r.page, 20);
  m.max = 0x7fffffff;
  EXPECT_EQ(m.Range().max, 0x7fffffff);
}

TEST(FlatScroll, ScrollMessagesMoveValue) {
  FlatScrollModel m;
  m.min = 0;
  m.max = 100;
  m.value = 95;
  m.smallChange = 10;
  m.largeChange = 30;
  ScrollOutcome o = m.OnScroll(ScrollCode::LineDown, 0);
  EXPECT_TRUE(o.setValue);
  EXPECT_EQ(o.newValue, 100);
  EXPECT_TRUE(o.raiseChange);
  m.value = 5;
  EXPECT_EQ(m.OnScroll(ScrollCode::LineUp, 0).newValue, 0);
  EXPECT_EQ(m.OnScroll(ScrollCode::PageDown, 0).newValue, 35);
  EXPECT_EQ(m.OnScroll(ScrollCode::PageUp, 0).newValue, 0);
  EXPECT_EQ(m.OnScroll(ScrollCode::Bottom, 0).newValue, 100);
  EXPECT_EQ(m.OnScroll(ScrollCode::Top, 0).newValue, 0);
  o = m.OnScroll(ScrollCode::ThumbTrack, 42);
  EXPECT_EQ(o.newValue, 42);
  EXPECT_TRUE(o.raiseScroll);
  EXPECT_FALSE(o.raiseChange);
  o = m.OnScroll(ScrollCode::EndScroll, 0);
  EXPECT_FALSE(o.setValue);
  EXPECT_TRUE(o.raiseChange);
  o = m.OnScroll(ScrollCode::ThumbPosition, 77);
  EXPECT_FALSE(o.setValue || o.raiseChange || o.raiseScroll);
  o = m.OnScroll(static_cast<ScrollCode>(42), 0);
  EXPECT_FALSE(o.setValue || o.raiseChange || o.raiseScroll);
}

TEST(FlatScroll, OrientationChoosesBarsAndStyleBits) {
  EXPECT_EQ(ScrollStyleBits(BarKindFor(0)), 0x100000u);
  EXPECT_EQ(ScrollStyleBits(BarKindFor(1)), 0x200000u);
  EXPECT_EQ(ScrollStyleBits(BarKindFor(2)), 0x300000u);
  EXPECT_EQ(ScrollStyleBits(BarKindFor(-5)), 0x300000u);
  EXPECT_EQ(ActiveBarFor(0), 0);
  EXPECT_EQ(ActiveBarFor(1), 1);
  EXPECT_EQ(ActiveBarFor(2), 1);
}

}  // namespace
}  // namespace kvdlg
