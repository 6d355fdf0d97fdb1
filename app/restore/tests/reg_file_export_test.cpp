// The restore window's "Export as registry file": a group's functions of a loaded profile become a
// REGEDIT4 file that regedit reads back to the same values (text escaping, dword:, hex: continued
// over lines, deletions listed for NT 4.0, bit values, foreign entries left out), written atomically.
#include <gtest/gtest.h>

#include "app/restore/profile_codec.h"
#include "app/restore/restore_window_model.h"
#include "app/restore/tests/memory_file_store.h"
#include "app/restore/tests/no_questions.h"

namespace kv {
namespace {

constexpr const char* kUndo = "C:\\WINNT\\SYSTEM32\\KORVN2K.UND";
constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Team";

class RegFileExportTest : public testing::Test {
 protected:
  void SetUp() override {
    catalogue_.FktAnzahl = 5;
    catalogue_.Functions.resize(7);
    On(0, 3, {kKey, "Title", "x", KindText, 0});
    catalogue_.Functions[0].OnActions[1] = {kKey, "Days", "1", KindDword, 0};
    On(1, 3, {"HKLM\\Software\\Team", "Logo", "", KindBinary, 0});
    On(2, 3, {kKey, "Gone", "1", KindDword, 0});
    On(3, 3, {kKey, "Mask", "%BITSET%3/2", KindBinary, 0});
    On(4, 9, {kKey, "OtherPage", "x", KindText, 0});
    On(5, 3, {kKey, "Own", "x", KindText, 0});
    ProfileTable table(ProfileRecordCount(5));
    for (int i = 0; i <= 5; ++i) table[static_cast<std::size_t>(i)].Page = catalogue_.Functions[i].Page;
    table[0].Entries[0] = {kKey, "Title", "Team \"Blue\" C:\\Net\\", KindText, 0};
    table[0].Entries[1] = {kKey, "Days", "-16", KindDword, 0};
    std::string logo;
    static const char kDigits[] = "0123456789ABCDEF";
    for (int b = 0; b < 30; ++b) logo += std::string{kDigits[b >> 4], kDigits[b & 15]};  // 30 bytes 00..1D
    table[1].Entries[0] = {"HKLM\\Software\\Team", "Logo", logo, KindBinary, 0};
    table[2].Entries[0] = {kKey, "Gone", "989898", KindDword, 0};
    table[3].Entries[0] = {kKey, "Mask", "08", KindBinary, 0};
    table[4].Entries[0] = {kKey, "OtherPage", "not in the group", KindText, 0};
    table[5].Entries[0] = {"HKEY_LOCAL_MACHINE\\SYSTEM\\Elsewhere", "Own", "foreign", KindText, 0};
    table[MarkerRecordIndex(5)] = MakeMarkerRecord("stamp", 7);
    files_.files[kUndo] = EncodeProfile(table);
  }
  void On(int n, int page, RegistryAction action) {
    catalogue_.Functions[static_cast<std::size_t>(n)].Page = static_cast<std::int16_t>(page);
    catalogue_.Functions[static_cast<std::size_t>(n)].OnActions[0] = action;
  }
  RestoreWindowModel& OpenedOnGroup(int page) {
    RestoreRequest request;
    request.Mode = RestoreMode::Group;
    request.Page = page;
    model_.Open(request);
    model_.LoadProfile(questions_);
    return model_;
  }

  Catalogue catalogue_;
  test::MemoryFileStore files_;
  std::string currentPath_;
  test::NoQuestions questions_;
  RestoreWindowModel model_{currentPath_, kUndo, files_, catalogue_, [](int id) { return std::to_string(id); }};
};

TEST_F(RegFileExportTest, GroupExportIsTheRegeditFormOfEveryOwnValue) {
  const RegFileExport exported = OpenedOnGroup(3).RegFile();
  const std::string expected =
      "REGEDIT4\r\n"
      "\r\n"
      "; Korvane 2000 profile C:\\WINNT\\SYSTEM32\\KORVN2K.UND\r\n"
      "; Values absent when the profile was taken are deleted below (\"name\"=-). The registry\r\n"
      "; editor of Windows 2000 applies that; the one of Windows NT 4.0 is not documented to and may\r\n"
      "; leave them. On Windows NT 4.0 delete these values by hand, or use KORVNST.EXE /RESTORE:\r\n"
      ";   [HKEY_CURRENT_USER\\Software\\Team] \"Gone\"\r\n"
      "; These values hold on/off bits of several functions and are written whole:\r\n"
      ";   [HKEY_CURRENT_USER\\Software\\Team] \"Mask\"\r\n"
      "; Left out (a REGEDIT4 file cannot carry them):\r\n"
      ";   [HKEY_LOCAL_MACHINE\\SYSTEM\\Elsewhere] \"Own\" (not a value of function 5)\r\n"
      "\r\n"
      "[HKEY_CURRENT_USER\\Software\\Team]\r\n"
      "\"Title\"=\"Team \\\"Blue\\\" C:\\\\Net\\\\\"\r\n"
      "\"Days\"=dword:fffffff0\r\n"
      "\"Gone\"=-\r\n"
      "\"Mask\"=hex:08\r\n"
      "\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Team]\r\n"
      "\"Logo\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\r\n"
      "  16,17,18,19,1a,1b,1c,1d\r\n"
      "\r\n";
  EXPECT_EQ(exported.Text, expected);
  EXPECT_EQ(exported.Values, 5);
  EXPECT_EQ(exported.Deletions, 1);
  EXPECT_EQ(exported.LeftOut, 1);
}

TEST_F(RegFileExportTest, WrittenAtomicallyOnlyWhileAValidProfileIsLoaded) {
  files_.files["C:\\out\\team.reg"] = {'o', 'l', 'd'};
  ASSERT_TRUE(OpenedOnGroup(9).ExportRegFile("C:\\out\\team.reg"));
  const std::string written(files_.files["C:\\out\\team.reg"].begin(), files_.files["C:\\out\\team.reg"].end());
  EXPECT_NE(written.find("\"OtherPage\"=\"not in the group\""), std::string::npos);
  EXPECT_EQ(written.find("Title"), std::string::npos);  // another group's function
  EXPECT_EQ(files_.files.count("C:\\out\\team.reg.kvtmp"), 0u);

  files_.files[kUndo].resize(40);  // damaged: no profile loaded, the old file stays
  files_.files["C:\\out\\team.reg"] = {'o', 'l', 'd'};
  EXPECT_FALSE(OpenedOnGroup(9).ExportRegFile("C:\\out\\team.reg"));
  EXPECT_EQ(files_.files["C:\\out\\team.reg"], (std::vector<std::uint8_t>{'o', 'l', 'd'}));
}

}  // namespace
}  // namespace kv
