// Splitting the helper's command line into its six fields, the dispatch table and the job options.
#include <gtest/gtest.h>

#include "helper/core/command_line.h"
#include "helper/core/text_rules.h"

namespace kv::helper {
namespace {

TEST(ArgumentText, FollowsTheProgramNameQuotedOrNot) {
  EXPECT_EQ(ArgumentTextOf("C:\\WINNT\\system32\\KORVNST.EXE /REBOOT"), "/REBOOT");
  EXPECT_EQ(ArgumentTextOf("\"C:\\Program Files\\x\\korvnst.exe\"  /UNDOSCAN#C:\\a b.prf"), "/UNDOSCAN#C:\\a b.prf");
  EXPECT_EQ(ArgumentTextOf("korvnst.exe /REBOOT "), "/REBOOT ");
  EXPECT_EQ(ArgumentTextOf("korvnst.exe"), "");
  EXPECT_EQ(ArgumentTextOf("\"unterminated"), "");
  EXPECT_EQ(ArgumentTextOf(""), "");
}

TEST(SplitArguments, UpperCasesEveryFieldAndKeepsBlanks) {
  const ArgumentTable t = SplitArguments("/undoscan#c:\\dokumente\\m\xe4rz.prf#progress# 12");
  EXPECT_EQ(t[0], "/UNDOSCAN");
  EXPECT_EQ(t[1], "C:\\DOKUMENTE\\M\xC4RZ.PRF");
  EXPECT_EQ(t[2], "PROGRESS");
  EXPECT_EQ(t[3], " 12");
  EXPECT_EQ(t[4], "");
  EXPECT_EQ(SelectJob(SplitArguments("/uNiNsT")[0]), HelperJob::UninstallRestore);
}

TEST(SplitArguments, SevenOrMoreFieldsNeverOverrunTheTable) {
  const ArgumentTable t = SplitArguments("a#b#c#d#e#f#g#h#i");
  EXPECT_EQ(t, (ArgumentTable{"A", "B", "C", "D", "E", "F"}));
  const ArgumentTable hashes = SplitArguments(std::string(5000, '#'));
  EXPECT_EQ(hashes, ArgumentTable{});
}

TEST(SelectJob, ExactSwitchesOnlyEverythingElseIsResidentMode) {
  EXPECT_EQ(SelectJob("/LOGOFF"), HelperJob::LogOff);
  EXPECT_EQ(SelectJob("/REBOOT"), HelperJob::Reboot);
  EXPECT_EQ(SelectJob("/SHUTDOWN"), HelperJob::Shutdown);
  EXPECT_EQ(SelectJob("/UNDOSCAN"), HelperJob::ProfileScan);
  EXPECT_EQ(SelectJob("/TWEAK"), HelperJob::StartupCleaning);
  EXPECT_EQ(SelectJob("/UNINST"), HelperJob::UninstallRestore);
  EXPECT_EQ(SelectJob(SplitArguments("/REBOOT ")[0]), HelperJob::Resident);
  EXPECT_EQ(SelectJob(""), HelperJob::Resident);
  EXPECT_EQ(SelectJob("/reboot"), HelperJob::Resident) << "comparison is after upper-casing";
  EXPECT_EQ(SelectJob("REBOOT"), HelperJob::Resident);
}

TEST(JobOptions, ScanWithoutFurtherFieldsWritesTheUndoFileWithoutWindow) {
  const JobOptions o = ReadJobOptions(SplitArguments("/UNDOSCAN"), "C:\\W\\S\\KORVN2K.UND");
  EXPECT_EQ(o.ScanOutputPath, "C:\\W\\S\\KORVN2K.UND");
  EXPECT_FALSE(o.ShowProgress);
  EXPECT_EQ(o.OwnerWindow, 0u);
}

// A plain "/UNDOSCAN", or one naming the undo file itself, keeps a valid master profile; the setup
// program's "/MASTERSCAN" replaces it; a recovery profile elsewhere is not protected.
TEST(JobOptions, OnlyTheMasterScanSwitchMayReplaceAValidUndoFile) {
  const std::string undo = "C:\\W\\S\\KORVN2K.UND";
  EXPECT_TRUE(ReadJobOptions(SplitArguments("/UNDOSCAN"), undo).KeepValidMaster);
  EXPECT_TRUE(ReadJobOptions(SplitArguments("/undoscan#c:\\w\\s\\korvn2k.und"), undo).KeepValidMaster);
  EXPECT_FALSE(ReadJobOptions(SplitArguments("/UNDOSCAN#C:\\P.PRF#PROGRESS#1"), undo).KeepValidMaster);
  const JobOptions master = ReadJobOptions(SplitArguments("/masterscan#C:\\P.PRF#PROGRESS"), undo);
  EXPECT_EQ(SelectJob(SplitArguments("/masterscan")[0]), HelperJob::ProfileScan);
  EXPECT_FALSE(master.KeepValidMaster);
  EXPECT_EQ(master.ScanOutputPath, undo);
  EXPECT_TRUE(master.ShowProgress);
}

TEST(JobOptions, ScanWithPathProgressAndOwner) {
  const JobOptions o = ReadJobOptions(SplitArguments("/UNDOSCAN#c:\\p.prf#PROGRESS#2360124"), "U");
  EXPECT_EQ(o.ScanOutputPath, "C:\\P.PRF");
  EXPECT_TRUE(o.ShowProgress);
  EXPECT_EQ(o.OwnerWindow, 2360124u);
  EXPECT_EQ(ReadJobOptions(SplitArguments("/UNDOSCAN#c:\\p.prf#PROGRESS#0"), "U").OwnerWindow, 0u);
  EXPECT_FALSE(ReadJobOptions(SplitArguments("/UNDOSCAN##PROGRESS "), "U").ShowProgress);
}

TEST(JobOptions, APathContainingAHashIsSplitThere) {
  const JobOptions o = ReadJobOptions(SplitArguments("/UNDOSCAN#C:\\A#B.PRF#PROGRESS#77"), "U");
  EXPECT_EQ(o.ScanOutputPath, "C:\\A");
  EXPECT_FALSE(o.ShowProgress) << "\"B.PRF\" shifted into the progress field";
  EXPECT_EQ(o.OwnerWindow, 0u) << "\"PROGRESS\" has no leading digits";
}

TEST(JobOptions, OwnerHandleFromLeadingDigits) {
  EXPECT_EQ(LeadingDigitsNumber("123abc"), 123u);
  EXPECT_EQ(LeadingDigitsNumber("abc"), 0u);
  EXPECT_EQ(LeadingDigitsNumber("4294967295"), 4294967295u);
  EXPECT_EQ(LeadingDigitsNumber("4294967296"), 0u);
  EXPECT_EQ(LeadingDigitsNumber(std::string(400, '9')), 0u);
}

TEST(JobOptions, UninstallArgumentsAndAlert) {
  JobOptions o = ReadJobOptions(SplitArguments("/UNINST#-u c:\\x.log#alert"), "U");
  EXPECT_EQ(o.UninstallerArguments, "-U C:\\X.LOG");
  EXPECT_TRUE(o.AskBeforeRestore);
  o = ReadJobOptions(SplitArguments("/UNINST##ALERT"), "U");
  EXPECT_EQ(o.UninstallerArguments, "");
  EXPECT_TRUE(o.AskBeforeRestore);
  o = ReadJobOptions(SplitArguments("/UNINST"), "U");
  EXPECT_FALSE(o.AskBeforeRestore);
  o = ReadJobOptions(SplitArguments("/TWEAK#PROGRESS#ALERT"), "U");
  EXPECT_FALSE(o.ShowProgress);
  EXPECT_FALSE(o.AskBeforeRestore);
}

// A log-on script names a profile on the logon server's share and a registry file of its own: both
// reach their jobs as typed (the share's backslashes and the file name's letter case intact).
TEST(JobOptions, ScriptJobsTakeTheirFilesAsTyped) {
  const std::string typed = "/restore#\\\\Server\\NETLOGON\\Team.prf";
  const ArgumentTable fields = SplitArguments(typed);
  EXPECT_EQ(SelectJob(fields[0]), HelperJob::ProfileRestore);
  JobOptions o = ReadJobOptions(fields, "U");
  ReadTypedPaths(SplitArguments(typed, [](std::string t) { return t; }), o);
  EXPECT_EQ(o.ProfilePath, "\\\\Server\\NETLOGON\\Team.prf");
  const std::string exportLine = "/RegExport#C:\\p.prf#C:\\Out\\Team Settings.reg";
  EXPECT_EQ(SelectJob(SplitArguments(exportLine)[0]), HelperJob::RegExport);
  ReadTypedPaths(SplitArguments(exportLine, [](std::string t) { return t; }), o);
  EXPECT_EQ(o.RegFilePath, "C:\\Out\\Team Settings.reg");
  // The same line quoted whole, as a script writes a name with a blank.
  const std::string quoted = "\"" + exportLine + "\"";
  EXPECT_EQ(SelectJob(SplitArguments(quoted)[0]), HelperJob::RegExport);
  ReadTypedPaths(SplitArguments(quoted, [](std::string t) { return t; }), o);
  EXPECT_EQ(o.RegFilePath, "C:\\Out\\Team Settings.reg");
  EXPECT_EQ(SelectJob("\"/UNINST"), HelperJob::Resident);  // the older switches stay exact
}

TEST(TextRules, AnsiUpperCaseTrimAndBackslash) {
  EXPECT_EQ(UpperCaseAnsi("stra\xDF" "e \xE4\xF6\xFC \xFF \x9A"), "STRA\xDF" "E \xC4\xD6\xDC \x9F \x8A");
  EXPECT_EQ(UpperCaseAnsi("\xF7"), "\xF7");
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(WithTrailingBackslash("C:"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash(""), "\\");
}

}  // namespace
}  // namespace kv::helper
