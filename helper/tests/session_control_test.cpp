// Session end: which systems act, the exact ExitWindowsEx flags, and the privilege failure.
#include <gtest/gtest.h>

#include <vector>

#include "helper/core/session_control.h"

namespace kv::helper {
namespace {

class RecordingSession : public SessionPlatform {
 public:
  bool QueryVersion(std::uint32_t* platformId, std::uint32_t* major) override {
    calls.push_back("version");
    *platformId = platform;
    *major = majorVersion;
    return versionOk;
  }
  bool EnableShutdownPrivilege() override {
    calls.push_back("privilege");
    return privilegeOk;
  }
  void ShowMessage(const std::string& text) override { calls.push_back("message " + text); }
  bool RequestExit(std::uint32_t flags) override {
    calls.push_back("exit " + std::to_string(flags));
    return exitOk;
  }

  std::uint32_t platform = 2, majorVersion = 5;
  bool versionOk = true, privilegeOk = true, exitOk = true;
  std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

TEST(SessionControl, DispatcherRequestsSendExactlyZeroOneOrTwo) {
  for (std::uint32_t major : {4u, 5u}) {
    for (std::uint32_t kind : {kLogOff, kShutdown, kReboot}) {
      RecordingSession s;
      s.majorVersion = major;
      EXPECT_TRUE(EndSession(s, kind, false, false));
      EXPECT_EQ(s.calls, (Calls{"version", "privilege", "exit " + std::to_string(kind)})) << major;
    }
  }
}

TEST(SessionControl, ForceAndPowerOffFlags) {
  EXPECT_EQ(ExitWindowsFlags(kLogOff, true, false, OsKind::Nt4), 4u);
  EXPECT_EQ(ExitWindowsFlags(kLogOff, true, false, OsKind::Nt5OrLater), 0x14u);
  EXPECT_EQ(ExitWindowsFlags(kShutdown, false, true, OsKind::Nt5OrLater), 9u);
  EXPECT_EQ(ExitWindowsFlags(kReboot, true, true, OsKind::Nt5OrLater), 0x1Eu);
  EXPECT_EQ(ExitWindowsFlags(kReboot, false, false, OsKind::Nt5OrLater), 2u);
  RecordingSession s;
  EXPECT_TRUE(EndSession(s, kShutdown, true, true));
  EXPECT_EQ(s.calls.back(), "exit " + std::to_string(1 + 4 + 8 + 0x10));
}

TEST(SessionControl, NothingHappensOnWindows9xOrAnUnknownSystem) {
  RecordingSession nine;
  nine.platform = 1;
  EXPECT_FALSE(EndSession(nine, kReboot, false, false));
  EXPECT_EQ(nine.calls, Calls{"version"});
  RecordingSession other;
  other.platform = 3;
  EXPECT_FALSE(EndSession(other, kReboot, false, false));
  EXPECT_EQ(other.calls, Calls{"version"});
  RecordingSession failed;
  failed.versionOk = false;
  EXPECT_FALSE(EndSession(failed, kLogOff, false, false));
  EXPECT_EQ(failed.calls, Calls{"version"});
}

TEST(SessionControl, ARefusedPrivilegeShowsTheMessageAndLeavesTheSession) {
  RecordingSession s;
  s.privilegeOk = false;
  EXPECT_FALSE(EndSession(s, kLogOff, false, false));
  EXPECT_EQ(s.calls, (Calls{"version", "privilege", "message Error for set privileg!"}));
}

TEST(SessionControl, ARefusedExitIsReportedOnlyAsFalse) {
  RecordingSession s;
  s.exitOk = false;
  EXPECT_FALSE(EndSession(s, kReboot, false, false));
  EXPECT_EQ(s.calls.size(), 3u);
}

TEST(OsKind, FromTheVersionQuery) {
  EXPECT_EQ(OsKindFromVersion(true, 1, 4), OsKind::Windows9x);
  EXPECT_EQ(OsKindFromVersion(true, 2, 3), OsKind::Nt4);
  EXPECT_EQ(OsKindFromVersion(true, 2, 4), OsKind::Nt4);
  EXPECT_EQ(OsKindFromVersion(true, 2, 5), OsKind::Nt5OrLater);
  EXPECT_EQ(OsKindFromVersion(true, 2, 10), OsKind::Nt5OrLater);
  EXPECT_EQ(OsKindFromVersion(true, 0, 5), OsKind::Unknown);
  EXPECT_EQ(OsKindFromVersion(false, 2, 5), OsKind::Unknown);
}

}  // namespace
}  // namespace kv::helper
