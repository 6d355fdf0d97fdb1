// The real boot file access under Wine: whole-file round trips, the copy step that replaces a file in
// one move keeping its access rights, exclusive creation, and failures that leave the target as it was,
// down to a disk that fails at each single step of a save.
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/pages/boot_parameters/core/boot_parameters_model.h"
#include "app/pages/boot_parameters/tests/fake_boot_host.h"
#include "app/pages/boot_parameters/win32/win32_boot_files.h"
#include "tests/fault_steps.h"

namespace kv {
namespace {

class Win32BootFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + "kv_boot_files_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const char* name : {"BOOT.INI", "BOOT.INI.$$$", "$BOOT$.TMP", "big"}) files_.Remove(dir_ + name);
    RemoveDirectoryA(dir_.c_str());
  }
  std::string dir_;
  Win32BootFiles files_;
};

TEST_F(Win32BootFilesTest, WriteReadRoundTripKeepsEveryByte) {
  std::string text = "[boot loader]\r\ntimeout=30\r\n";
  text.push_back('\0');
  text += "\xE4\xF6\xFC\n";
  ASSERT_TRUE(files_.Write(dir_ + "$BOOT$.TMP", text));
  std::string back = "guard";
  ASSERT_TRUE(files_.Read(dir_ + "$BOOT$.TMP", &back));
  EXPECT_EQ(back, text);
  ASSERT_TRUE(files_.Write(dir_ + "$BOOT$.TMP", "short"));  // replaces, no old tail left
  ASSERT_TRUE(files_.Read(dir_ + "$BOOT$.TMP", &back));
  EXPECT_EQ(back, "short");
}

TEST_F(Win32BootFilesTest, MissingFilesAndFoldersFail) {
  std::string text = "guard";
  EXPECT_FALSE(files_.Read(dir_ + "nothing", &text));
  EXPECT_TRUE(text.empty());
  EXPECT_FALSE(files_.Exists(dir_ + "nothing"));
  EXPECT_FALSE(files_.Write(dir_ + "no folder\\x.tmp", "x"));
  EXPECT_FALSE(files_.Remove(dir_ + "nothing"));
}

TEST_F(Win32BootFilesTest, OversizedFileIsNotRead) {
  ASSERT_TRUE(files_.Write(dir_ + "big", std::string(Win32BootFiles::kMaxFileSize + 1, 'x')));
  std::string text;
  EXPECT_FALSE(files_.Read(dir_ + "big", &text));
  EXPECT_TRUE(text.empty());
}

TEST_F(Win32BootFilesTest, ReplaceWithCopyOverAProtectedFile) {
  const std::string boot = dir_ + "BOOT.INI", temp = dir_ + "$BOOT$.TMP";
  ASSERT_TRUE(files_.Write(boot, "old"));
  ASSERT_TRUE(files_.Write(temp, "new"));
  ASSERT_TRUE(files_.SetAttributes(boot, kProtectedAttributes));
  EXPECT_EQ(GetFileAttributesA(boot.c_str()) & 7u, 7u);
  ASSERT_TRUE(files_.SetAttributes(boot, kNormalAttributes));
  ASSERT_TRUE(files_.ReplaceWithCopy(temp, boot));
  std::string text;
  ASSERT_TRUE(files_.Read(boot, &text));
  EXPECT_EQ(text, "new");
  EXPECT_TRUE(files_.Exists(temp));  // the source stays
  EXPECT_FALSE(files_.Exists(boot + ".$$$"));
}

TEST_F(Win32BootFilesTest, FailedCopyLeavesTheTargetAndNoLeftovers) {
  const std::string boot = dir_ + "BOOT.INI";
  ASSERT_TRUE(files_.Write(boot, "old"));
  EXPECT_FALSE(files_.ReplaceWithCopy(dir_ + "nothing", boot));
  std::string text;
  ASSERT_TRUE(files_.Read(boot, &text));
  EXPECT_EQ(text, "old");
  EXPECT_FALSE(files_.Exists(boot + ".$$$"));
}

// The access list of a file as text; empty when it cannot be read.
std::string AccessListOf(const std::string& path) {
  DWORD needed = 0;
  GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  std::vector<BYTE> descriptor(needed + 1);
  if (!needed || !GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed))
    return std::string();
  char* text = nullptr;
  if (!ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor.data(), SDDL_REVISION_1,
                                                            DACL_SECURITY_INFORMATION, &text, nullptr))
    return std::string();
  std::string result = text;
  LocalFree(text);
  return result;
}

TEST_F(Win32BootFilesTest, ReplacingKeepsTheBootFilesAccessRights) {
  const std::string boot = dir_ + "BOOT.INI", temp = dir_ + "$BOOT$.TMP";
  ASSERT_TRUE(files_.Write(boot, "old"));
  ASSERT_TRUE(files_.Write(temp, "new"));
  // Administrators may do everything, everyone else only read: not what a new file would inherit.
  const char* const rights = "D:P(A;;FA;;;BA)(A;;FR;;;WD)";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(rights, SDDL_REVISION_1, &descriptor, nullptr));
  const bool set = SetFileSecurityA(boot.c_str(), DACL_SECURITY_INFORMATION, descriptor);
  LocalFree(descriptor);
  const std::string before = AccessListOf(boot);
  if (!set || before != rights) GTEST_SKIP() << "this Wine keeps no access lists on files: '" << before << "'";
  EXPECT_NE(AccessListOf(temp), rights);
  ASSERT_TRUE(files_.ReplaceWithCopy(temp, boot));
  std::string text;
  ASSERT_TRUE(files_.Read(boot, &text));
  EXPECT_EQ(text, "new");
  EXPECT_EQ(AccessListOf(boot), rights);
}

TEST_F(Win32BootFilesTest, CreateNewNeverUsesAFileSomeoneElseMade) {
  const std::string temp = dir_ + "$BOOT$.TMP";
  ASSERT_TRUE(files_.Write(temp, "theirs"));
  EXPECT_FALSE(files_.CreateNew(temp, "ours"));
  std::string text;
  ASSERT_TRUE(files_.Read(temp, &text));
  EXPECT_EQ(text, "theirs");  // left as it was, not truncated
  ASSERT_TRUE(files_.Remove(temp));
  EXPECT_TRUE(files_.CreateNew(temp, "ours"));
  ASSERT_TRUE(files_.Read(temp, &text));
  EXPECT_EQ(text, "ours");
}

// The real boot file access whose disk fails at one chosen step of a save: creating the temporary
// file, writing it, the flush, the close, the copy beside the boot file (which breaks off after
// copying), the access rights and the move over the boot file.
class FailingBootFiles : public Win32BootFiles, public test::FaultSteps {
 public:
  explicit FailingBootFiles(int failAt) : FaultSteps(failAt) {}

 protected:
  void* OpenForWriting(const std::string& path, unsigned long disposition) override {
    return Fails("create") ? nullptr : Win32BootFiles::OpenForWriting(path, disposition);
  }
  bool WriteBytes(void* file, const std::string& text) override {
    if (!Fails("write")) return Win32BootFiles::WriteBytes(file, text);
    Win32BootFiles::WriteBytes(file, text.substr(0, text.size() / 2));  // torn: half of it arrives
    return false;
  }
  bool FlushToDisk(void* file) override { return !Fails("flush") && Win32BootFiles::FlushToDisk(file); }
  bool CloseFile(void* file) override {
    const bool closed = Win32BootFiles::CloseFile(file);
    return !Fails("close") && closed;
  }
  bool CopyBeside(const std::string& from, const std::string& beside) override {
    const bool copied = Win32BootFiles::CopyBeside(from, beside);
    return !Fails("copy") && copied;
  }
  bool CopySecurity(const std::string& from, const std::string& to) override {
    return !Fails("rights") && Win32BootFiles::CopySecurity(from, to);
  }
  bool MoveOver(const std::string& from, const std::string& to) override {
    return !Fails("move") && Win32BootFiles::MoveOver(from, to);
  }
};

// Save on the Boot parameters tab with each step failing in turn: the boot file stays byte for byte
// what it was and readable, nothing is left beside it, and the user reads "not saved" (text 697).
// Past the last step the same save succeeds.
TEST_F(Win32BootFilesTest, ASaveFailingAtAnyStepKeepsTheBootFileAndSaysSo) {
  const std::string boot = dir_ + "BOOT.INI";
  const std::string system = "multi(0)disk(0)rdisk(0)partition(1)\\WINNT";
  const std::string old = "[boot loader]\r\ntimeout=30\r\ndefault=" + system + "\r\n[operating systems]\r\n" + system +
                          "=\"Windows 2000\" /fastdetect\r\n";
  ASSERT_TRUE(files_.Write(boot, old));
  FakeBootHost host;
  host.folders.Boot = dir_;
  host.folders.System = dir_;
  std::vector<std::string> allSteps;
  for (int step = 0; step < 30; ++step) {
    FailingBootFiles failing(step);
    BootParametersModel model(failing, host);
    model.Read();
    ASSERT_TRUE(model.Readable());
    model.ChooseTimeoutMode(2, 5);
    host.messages.clear();
    const BootSaveResult result = model.Save();
    SCOPED_TRACE("steps: " + failing.Log());
    ASSERT_EQ(host.messages.size(), 1u);
    if (!failing.failed) {
      EXPECT_EQ(result, BootSaveResult::Saved);
      allSteps = failing.steps;
      break;
    }
    EXPECT_NE(result, BootSaveResult::Saved);
    EXPECT_EQ(host.messages[0].text, "T697") << "the user is not told";
    std::string now;
    ASSERT_TRUE(files_.Read(boot, &now));
    EXPECT_EQ(now, old);
    EXPECT_FALSE(files_.Exists(boot + ".$$$"));
  }
  EXPECT_EQ(allSteps, (std::vector<std::string>{"create", "write", "flush", "close", "copy", "rights", "move"}));
  std::string saved;
  ASSERT_TRUE(files_.Read(boot, &saved));
  EXPECT_NE(saved.find("timeout=5\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kv
