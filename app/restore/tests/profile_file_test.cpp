// Whole profile files on disk, and the atomic replacement that keeps the old file when writing fails.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "app/restore/profile_codec.h"
#include "app/restore/profile_file.h"
#ifdef _WIN32
#include <windows.h>

#include "app/restore/win32_file_store.h"
#endif

namespace kv {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
using PlatformFileStore = Win32FileStore;
#else
using PlatformFileStore = StdioFileStore;
#endif

// Writes only the first half of the file, then reports a full disk.
class DiskFullHalfway : public PlatformFileStore {
 protected:
  bool WriteChunk(std::FILE* file, const std::uint8_t* data, std::size_t size) override {
    std::fwrite(data, 1, size / 2, file);
    return false;
  }
};

// The data written but not put on the disk (the flush before the rename fails).
class FlushRefused : public PlatformFileStore {
 protected:
  bool FlushToDisk(std::FILE*) override { return false; }
};

class ReplaceRefused : public PlatformFileStore {
 public:
  bool Replace(const std::string&, const std::string&) override { return false; }
};

class ProfileFile : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kv-profile-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "test.prf").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  static ProfileTable Table(int n, const std::string& stamp) {
    ProfileTable t(ProfileRecordCount(n));
    for (auto& r : t) r.Entries[0].Data = std::string(200, 'x');
    t.back() = MakeMarkerRecord(stamp, n);
    return t;
  }
  std::vector<std::uint8_t> Bytes() {
    std::vector<std::uint8_t> b;
    StdioFileStore().ReadAll(path_, &b);
    return b;
  }
  std::size_t FilesInFolder() { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }

  fs::path dir_;
  std::string path_;
  PlatformFileStore files_;
};

TEST_F(ProfileFile, WriteThenReadGivesTheTableBack) {
  const ProfileTable table = Table(20, "one");
  ASSERT_TRUE(WriteProfile(files_, path_, table));
  EXPECT_EQ(ReadProfile(files_, path_, 20), table);
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ProfileFile, AShorterNewFileLeavesNoOldBytesBehind) {
  ASSERT_TRUE(WriteProfile(files_, path_, Table(50, "long")));
  const ProfileTable shorter = Table(2, "short");
  ASSERT_TRUE(WriteProfile(files_, path_, shorter));
  EXPECT_EQ(Bytes(), EncodeProfile(shorter));
}

TEST_F(ProfileFile, AFailureHalfwayKeepsTheOldFileIntact) {
  ASSERT_TRUE(WriteProfile(files_, path_, Table(50, "old")));
  const auto before = Bytes();
  DiskFullHalfway failing;
  EXPECT_FALSE(WriteProfile(failing, path_, Table(60, "new")));
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(FilesInFolder(), 1u) << "the temporary file must be removed";
  EXPECT_TRUE(IsValidProfile(ReadProfile(files_, path_, 50), 50));
}

// A profile whose data did not reach the disk, or whose replacement was refused, is reported and
// leaves the old file whole and no temporary file behind.
TEST_F(ProfileFile, AFailedFlushOrReplacementKeepsTheOldFile) {
  ASSERT_TRUE(WriteProfile(files_, path_, Table(5, "old")));
  const auto before = Bytes();
  FlushRefused unflushed;
  ReplaceRefused refusing;
  for (FileStore* failing : {static_cast<FileStore*>(&unflushed), static_cast<FileStore*>(&refusing)}) {
    EXPECT_FALSE(WriteProfile(*failing, path_, Table(5, "new")));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(FilesInFolder(), 1u);
  }
}

TEST_F(ProfileFile, AFolderThatDoesNotExistFailsWithoutCreatingAnything) {
  EXPECT_FALSE(WriteProfile(files_, (dir_ / "missing" / "x.prf").string(), Table(1, "s")));
  EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(ProfileFile, AMissingFileReadsAsAnInvalidEmptyTable) {
  const ProfileTable read = ReadProfile(files_, (dir_ / "none.prf").string(), 9);
  EXPECT_EQ(read, ProfileTable(12));
  EXPECT_FALSE(IsValidProfile(read, 9));
}

#ifdef _WIN32
// Allowed entries of a file's access list: for administrators or the system account, for anyone else.
struct AccessList {
  bool present = false;
  int ours = 0, others = 0;
  int world = 0;  // of those others: Everyone, Users or Authenticated Users
};

bool IsWorldSid(PSID sid) {
  SID_IDENTIFIER_AUTHORITY worldAuthority = SECURITY_WORLD_SID_AUTHORITY, nt = SECURITY_NT_AUTHORITY;
  PSID everyone = nullptr, users = nullptr, authenticated = nullptr;
  AllocateAndInitializeSid(&worldAuthority, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS, 0, 0, 0, 0, 0, 0, &users);
  AllocateAndInitializeSid(&nt, 1, SECURITY_AUTHENTICATED_USER_RID, 0, 0, 0, 0, 0, 0, 0, &authenticated);
  const bool world = EqualSid(sid, everyone) || EqualSid(sid, users) || EqualSid(sid, authenticated);
  FreeSid(everyone);
  FreeSid(users);
  FreeSid(authenticated);
  return world;
}

// Wine keeps no security descriptor of a file: it maps the access list to the Unix permissions and
// shows the owner (as the Unix user) and the system account, plus Everyone when others may read.
bool RunningUnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

AccessList AccessListOf(const std::string& path) {
  AccessList list;
  DWORD needed = 0;
  GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  std::vector<DWORD> buffer(needed / sizeof(DWORD) + 1);
  BOOL present = FALSE, defaulted = FALSE;
  PACL acl = nullptr;
  if (needed == 0 || !GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, buffer.data(), needed, &needed) ||
      !GetSecurityDescriptorDacl(buffer.data(), &present, &acl, &defaulted) || !present || acl == nullptr) {
    return list;
  }
  list.present = true;
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  PSID admins = nullptr, system = nullptr;
  AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &admins);
  AllocateAndInitializeSid(&nt, 1, SECURITY_LOCAL_SYSTEM_RID, 0, 0, 0, 0, 0, 0, 0, &system);
  for (DWORD i = 0; i < acl->AceCount; ++i) {
    void* ace = nullptr;
    if (!GetAce(acl, i, &ace)) continue;
    auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
    if (allowed->Header.AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
    PSID sid = &allowed->SidStart;
    if (EqualSid(sid, admins) || EqualSid(sid, system)) {
      ++list.ours;
    } else {
      ++list.others;
      if (IsWorldSid(sid)) ++list.world;
    }
  }
  FreeSid(admins);
  FreeSid(system);
  return list;
}

// The undo file is written for administrators and the system account only, also when it replaces an
// older one. Wine keeps a file's security descriptor only where the file system can store it.
TEST_F(ProfileFile, TheUndoFileIsReadableByAdministratorsOnly) {
  ASSERT_TRUE(WriteProfile(files_, path_, Table(5, "old")));
  Win32FileStore undoStore(FileAccess::AdministratorsOnly);
  ASSERT_TRUE(WriteProfile(undoStore, path_, Table(5, "new")));
  EXPECT_TRUE(IsValidProfile(ReadProfile(files_, path_, 5), 5)) << "still readable by this administrator";
  EXPECT_EQ(FilesInFolder(), 1u);

  const AccessList undo = AccessListOf(path_);
  ASSERT_TRUE(undo.present) << "no access list: everyone could read the file";
  EXPECT_EQ(undo.world, 0) << "Everyone or the users may open the undo file";
  EXPECT_GE(undo.ours, 1);
  const std::string recovery = (dir_ / "recovery.prf").string();
  ASSERT_TRUE(WriteProfile(files_, recovery, Table(5, "mine")));
  if (RunningUnderWine()) {
    EXPECT_GT(AccessListOf(recovery).world, 0) << "a recovery profile keeps the usual permissions";
  } else {
    EXPECT_EQ(undo.ours, 2);
    EXPECT_EQ(undo.others, 0) << "someone besides administrators and the system may open the undo file";
  }
}
#endif

TEST(UndoFile, PathIsTheSystemDirectoryWithOneBackslash) {
  EXPECT_EQ(UndoFilePath("C:\\WINNT\\system32"), "C:\\WINNT\\system32\\KORVN2K.UND");
  EXPECT_EQ(UndoFilePath("C:\\WINNT\\system32\\"), "C:\\WINNT\\system32\\KORVN2K.UND");
  EXPECT_EQ(UndoFilePath(""), "\\KORVN2K.UND");
}

}  // namespace
}  // namespace kv
