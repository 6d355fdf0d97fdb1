// The Boot parameters tab's logic over in-memory files and a scripted host: selection rules, edits,
// the save hint, Save's safety with failing steps, Restore, and the page load / unload steps.
#include <gtest/gtest.h>

#include "app/pages/boot_parameters/core/boot_parameters_model.h"
#include "app/pages/boot_parameters/tests/fake_boot_host.h"
#include "app/pages/boot_parameters/tests/memory_boot_files.h"

namespace kv {
namespace {

const char* const kBoot = "C:\\BOOT.INI";
const char* const kBackup = "C:\\WINNT\\system32\\BOOTINI.BAK";
const char* const kTemp = "C:\\$BOOT$.TMP";
const char* const kWorkSet = "HKEY_CURRENT_USER\\Software\\Quorbel\\Korvane2k\\WorkSet";
const std::string kNt = "multi(0)disk(0)rdisk(0)partition(1)\\WINNT";

const std::string kThreeSystems = "[boot loader]\r\ntimeout=10\r\ndefault=" + kNt +
                                  "\r\n[operating systems]\r\n" + kNt + "=\"Windows 2000\" /fastdetect\r\n" +
                                  kNt + "=\"Windows 2000 VGA\" /basevideo /sos /maxmem:64\r\nC:\\=\"MS-DOS\"\r\n";

struct Rig {
  MemoryBootFiles files;
  FakeBootHost host;
  BootParametersModel model{files, host};
  explicit Rig(const std::string& bootText = kThreeSystems) {
    files.files[kBoot] = bootText;
    model.Read();
  }
  std::string Saved() { return files.files[kBoot]; }
};

TEST(BootPaths, FromTheSystemFolders) {
  const BootPaths p = BootPathsOf(SystemFolderSet{"C:\\WINNT\\system32", "C:\\WINNT\\", "D:\\TMP", "D:\\"});
  EXPECT_EQ(p.BootFile, "D:\\BOOT.INI");
  EXPECT_EQ(p.Backup, "C:\\WINNT\\system32\\BOOTINI.BAK");
  EXPECT_EQ(p.Temp, "D:\\$BOOT$.TMP");  // beside the boot file, not in a shared temporary folder
  // The boot folder text is used as stored: no separator is inserted.
  EXPECT_EQ(BootPathsOf(SystemFolderSet{"S\\", "W\\", "T\\", "C:"}).BootFile, "C:BOOT.INI");
}

TEST(BootPageSteps, BackupTakenOnceAndNeverFromAMissingFile) {
  MemoryBootFiles files;
  const BootPaths p = BootPathsOf(FakeBootHost().folders);
  TakeBootBackup(files, p);
  EXPECT_FALSE(files.Exists(kBackup));  // no boot file: no (empty) backup either
  files.files[kBoot] = "first";
  TakeBootBackup(files, p);
  EXPECT_EQ(files.files[kBackup], "first");
  files.files[kBoot] = "second";
  TakeBootBackup(files, p);
  EXPECT_EQ(files.files[kBackup], "first");
}

TEST(BootPageSteps, UnloadRemovesTheTempFileAndProtectsTheBootFile) {
  MemoryBootFiles files;
  const BootPaths p = BootPathsOf(FakeBootHost().folders);
  files.files[kBoot] = "x";
  files.files[kTemp] = "y";
  ReleaseBootFile(files, p);
  EXPECT_FALSE(files.Exists(kTemp));
  EXPECT_EQ(files.attributes[kBoot], 7u);
  MemoryBootFiles none;
  ReleaseBootFile(none, p);  // nothing there: nothing done
  EXPECT_TRUE(none.files.empty());
}

TEST(BootSelection, NtSystemsEnableEverythingOthersNothing) {
  Rig rig;
  EXPECT_EQ(rig.model.Selected(), 0);
  EXPECT_EQ(rig.model.TimeoutMode(), 2);
  EXPECT_EQ(rig.model.Seconds(), 10);
  BootEntryView v = rig.model.View();
  EXPECT_TRUE(v.FieldsEnabled);
  for (bool e : v.SwitchEnabled) EXPECT_TRUE(e);
  EXPECT_TRUE(v.Ticked[kFastDetect]);
  EXPECT_EQ(v.Memory, 32);  // /MAXMEM: not set: the field's default
  EXPECT_EQ(v.Processors, 1);

  rig.model.Select(1);
  v = rig.model.View();
  EXPECT_EQ(v.Memory, 64);
  EXPECT_TRUE(v.Ticked[kBaseVideo] && v.Ticked[kSos] && v.Ticked[kMaxMemOn]);

  rig.model.Select(2);  // C:\ : a drive root
  v = rig.model.View();
  EXPECT_FALSE(v.FieldsEnabled);
  for (bool e : v.SwitchEnabled) EXPECT_FALSE(e);

  rig.model.Select(7);  // out of range: nothing selected, nothing enabled
  EXPECT_EQ(rig.model.Selected(), -1);
  EXPECT_FALSE(rig.model.View().FieldsEnabled);
  rig.model.SwitchChanged(kSos, true, 32);  // and no edit lands anywhere
  EXPECT_TRUE(rig.host.helpBoxes.empty());
}

TEST(BootSelection, Nt4KeepsTheLogoSwitchDisabled) {
  Rig rig;
  rig.host.nt4 = true;
  const BootEntryView v = rig.model.View();
  EXPECT_FALSE(v.SwitchEnabled[kNoGuiBoot]);
  EXPECT_TRUE(v.SwitchEnabled[kSos]);
}

TEST(BootTimeout, ModesFromTheFileAndFromTheUser) {
  EXPECT_EQ(Rig("[boot loader]\n[operating systems]\n").model.TimeoutMode(), 0);  // missing key
  EXPECT_EQ(Rig("[boot loader]\ntimeout=-1\n").model.TimeoutMode(), 1);
  Rig below("[boot loader]\ntimeout=-5\n");
  EXPECT_EQ(below.model.TimeoutMode(), -1);  // below -1: no mode chosen
  EXPECT_EQ(below.model.Timeout(), -5);

  Rig rig;
  rig.model.ChooseTimeoutMode(1, 10);
  EXPECT_EQ(rig.model.Timeout(), -1);
  EXPECT_FALSE(rig.model.SecondsVisible());
  rig.model.ChooseTimeoutMode(0, 10);
  EXPECT_EQ(rig.model.Timeout(), 0);
  rig.model.ChooseTimeoutMode(2, 25);
  EXPECT_TRUE(rig.model.SecondsVisible());
  EXPECT_EQ(rig.model.Timeout(), 25);
  rig.model.SecondsChanged(7);
  EXPECT_EQ(rig.model.Timeout(), 7);
  rig.model.ChooseTimeoutMode(3, 1);  // not a mode: nothing changes
  EXPECT_EQ(rig.model.TimeoutMode(), 2);
  EXPECT_EQ(rig.model.Save(), BootSaveResult::Saved);
  EXPECT_NE(rig.Saved().find("timeout=7\r\n"), std::string::npos);
}

TEST(BootEdits, FieldsTickTheirBoxesAndSaveWritesThem) {
  Rig rig;
  rig.model.MemoryChanged(128);
  rig.model.ProcessorsChanged(2, 128);
  BootEntryView v = rig.model.View();
  EXPECT_TRUE(v.Ticked[kMaxMemOn]);
  EXPECT_TRUE(v.Ticked[kNumProcOn]);
  EXPECT_EQ(v.Memory, 128);
  EXPECT_EQ(v.Processors, 2);
  rig.model.SwitchChanged(kFastDetect, false, 128);
  rig.model.Save();
  EXPECT_NE(rig.Saved().find(kNt + "=\"Windows 2000\" /MAXMEM:128 /NUMPROC=2\r\n"), std::string::npos);
}

TEST(BootEdits, LargeMemoryLimitSurvivesOtherSwitches) {
  Rig rig("[operating systems]\r\n" + kNt + "=\"W\" /MAXMEM:4096\r\n");
  rig.model.SwitchChanged(kSos, true, 1024);  // the field shows its upper bound
  rig.model.Save();
  EXPECT_NE(rig.Saved().find("/MAXMEM:4096 /SOS\r\n"), std::string::npos);
  rig.model.SwitchChanged(kMaxMemOn, false, 1024);
  rig.model.SwitchChanged(kMaxMemOn, true, 256);  // ticked again: the field's value
  EXPECT_EQ(rig.model.View().Memory, 256);
}

TEST(BootEdits, RenameRefusesEmptyTextAndQuotes) {
  Rig rig;
  EXPECT_FALSE(rig.model.Rename(0, ""));
  EXPECT_FALSE(rig.model.Rename(0, "Win \"2000\""));
  EXPECT_FALSE(rig.model.Rename(9, "x"));
  EXPECT_EQ(rig.model.Entries()[0].Description, "Windows 2000");
  EXPECT_TRUE(rig.model.Rename(2, "DOS 6.22"));
  rig.model.Save();
  EXPECT_NE(rig.Saved().find("C:\\=\"DOS 6.22\"\r\n"), std::string::npos);
}

TEST(BootDefault, KeptUntilTheUserChoosesAnother) {
  const std::string file = "[boot loader]\r\ntimeout=10\r\ndefault=C:\\\r\n[operating systems]\r\n" + kNt +
                           "=\"Windows 2000\" /fastdetect /3GB\r\nC:\\=\"MS-DOS\"\r\n";
  Rig rig(file);
  EXPECT_EQ(rig.model.Entries()[1].Picture, 3);
  rig.model.Select(0);
  rig.model.SwitchChanged(kSos, true, 32);
  rig.model.Save();
  std::string expected = file;
  expected.replace(expected.find("/3GB") + 4, 0, " /SOS");
  EXPECT_EQ(rig.Saved(), expected);  // the second system is still the default

  rig.model.Select(1);
  EXPECT_FALSE(rig.model.CanMakeSelectedDefault());  // already the default
  rig.model.Select(0);
  ASSERT_TRUE(rig.model.CanMakeSelectedDefault());
  rig.model.MakeSelectedDefault();
  EXPECT_EQ(rig.model.Entries()[0].Picture, 3);
  EXPECT_EQ(rig.model.Entries()[1].Picture, 1);
  rig.model.Save();
  expected.replace(expected.find("default=C:\\"), 11, "default=" + kNt);
  EXPECT_EQ(rig.Saved(), expected);
}

TEST(BootSaveHint, OncePerOpeningWhileAskedFor) {
  Rig rig;  // BootParamInfo absent: show it
  rig.model.MemoryChanged(96);
  rig.model.SwitchChanged(kSos, true, 96);
  ASSERT_EQ(rig.host.helpBoxes.size(), 1u);
  EXPECT_EQ(rig.host.helpBoxes[0], "T663|T110");
  EXPECT_EQ(rig.host.registry.RegReadDword(kWorkSet, "BootParamInfo", 5), -1);

  // A new opening shows it again; ticking "don't show again" stores 0 ...
  FakeBootHost& host = rig.host;
  BootParametersModel again(rig.files, host);
  again.Read();
  host.helpBoxTicked = true;
  again.SwitchChanged(kSos, true, 32);
  EXPECT_EQ(host.helpBoxes.size(), 2u);
  EXPECT_EQ(host.registry.RegReadDword(kWorkSet, "BootParamInfo", 5), 0);
  // ... after which no opening shows it.
  BootParametersModel third(rig.files, host);
  third.Read();
  third.SwitchChanged(kSos, false, 32);
  EXPECT_EQ(host.helpBoxes.size(), 2u);
}

TEST(BootSave, WritesTheWholeFileAndReportsSuccess) {
  Rig rig;
  rig.files.attributes[kBoot] = 7;  // protected as the page leaves it
  EXPECT_EQ(rig.model.Save(), BootSaveResult::Saved);
  EXPECT_EQ(rig.Saved(), kThreeSystems);  // nothing edited: the file as it was
  ASSERT_EQ(rig.host.messages.size(), 1u);
  EXPECT_EQ(rig.host.messages[0].headline, "T120");
  EXPECT_EQ(rig.host.messages[0].text, "T122");
  EXPECT_EQ(rig.host.messages[0].buttons, 0);
  EXPECT_TRUE(rig.files.Exists(kTemp));  // stays until the page closes
}

TEST(BootSave, FailingTempFileLeavesTheBootFileAndSaysSo) {
  Rig rig;
  rig.model.SwitchChanged(kSos, true, 32);
  rig.files.unwritable.insert(kTemp);
  EXPECT_EQ(rig.model.Save(), BootSaveResult::TempFailed);
  EXPECT_EQ(rig.Saved(), kThreeSystems);
  EXPECT_EQ(rig.host.messages.back().text, "T697");

  // A short write (full disk) that claims success is caught by reading the file back.
  rig.files.unwritable.clear();
  rig.files.writeLimit = 20;
  EXPECT_EQ(rig.model.Save(), BootSaveResult::TempFailed);
  EXPECT_EQ(rig.Saved(), kThreeSystems);
}

// Another user's file of the temporary file's name is never built upon: an old one is removed and
// ours created anew; one that appears again right after the removal fails the save.
TEST(BootSave, TemporaryFileIsAlwaysOurOwnNewFile) {
  const std::string planted = "[boot loader]\r\n[operating systems]\r\nC:\\=\"planted\"\r\n";
  Rig rig;
  rig.model.SwitchChanged(kSos, true, 32);
  rig.files.files[kTemp] = planted;
  EXPECT_EQ(rig.model.Save(), BootSaveResult::Saved);
  EXPECT_NE(rig.Saved().find("/fastdetect /SOS"), std::string::npos);

  rig.files.afterRemove = [&](const std::string& path) { rig.files.files[path] = planted; };
  const std::string before = rig.Saved();
  rig.model.SwitchChanged(kBaseVideo, true, 32);
  EXPECT_EQ(rig.model.Save(), BootSaveResult::TempFailed);
  EXPECT_EQ(rig.Saved(), before);
  EXPECT_EQ(rig.host.messages.back().text, "T697");
}

TEST(BootSave, FailingReplaceKeepsTheOldFileAndSaysSo) {
  Rig rig;
  rig.files.unwritable.insert(kBoot);
  EXPECT_EQ(rig.model.Save(), BootSaveResult::ReplaceFailed);
  EXPECT_EQ(rig.Saved(), kThreeSystems);
  EXPECT_EQ(rig.host.messages.back().text, "T697");
}

TEST(BootSave, UnreadableBootFileIsNeverOverwritten) {
  MemoryBootFiles files;
  FakeBootHost host;
  BootParametersModel missing(files, host);
  missing.Read();
  EXPECT_FALSE(missing.Readable());
  EXPECT_TRUE(missing.Entries().empty());
  EXPECT_EQ(missing.Selected(), -1);
  EXPECT_EQ(missing.Save(), BootSaveResult::NotRead);
  EXPECT_FALSE(files.Exists(kBoot));

  files.files[kBoot] = kThreeSystems;
  files.unreadable.insert(kBoot);  // locked
  BootParametersModel locked(files, host);
  locked.Read();
  EXPECT_EQ(locked.Save(), BootSaveResult::NotRead);
  EXPECT_EQ(files.files[kBoot], kThreeSystems);
  EXPECT_EQ(host.messages.back().text, "T665");
}

TEST(BootRestore, YesPutsTheBackupBackNoChangesNothing) {
  Rig rig;
  rig.files.files[kBackup] = "[boot loader]\r\ntimeout=3\r\n[operating systems]\r\nC:\\=\"Old\"\r\n";
  rig.model.Rename(0, "Changed");
  rig.model.Save();
  rig.host.messageAnswer = 7;
  EXPECT_FALSE(rig.model.Restore());
  EXPECT_EQ(rig.model.Entries()[0].Description, "Changed");
  EXPECT_EQ(rig.host.messages.back().text, "T121");
  EXPECT_EQ(rig.host.messages.back().buttons, 2);

  rig.host.messageAnswer = 6;
  rig.files.attributes[kBoot] = 7;
  EXPECT_TRUE(rig.model.Restore());
  EXPECT_EQ(rig.Saved(), rig.files.files[kBackup]);
  ASSERT_EQ(rig.model.Entries().size(), 1u);
  EXPECT_EQ(rig.model.Entries()[0].Description, "Old");
  EXPECT_EQ(rig.model.Timeout(), 3);
  EXPECT_EQ(rig.model.Selected(), 0);
}

TEST(BootRestore, MissingBackupOrFailedCopyKeepsTheList) {
  Rig rig;
  EXPECT_FALSE(rig.model.Restore());  // no backup: no message beyond the question
  EXPECT_EQ(rig.host.messages.size(), 1u);
  EXPECT_EQ(rig.model.Entries().size(), 3u);

  rig.files.files[kBackup] = "[operating systems]\r\nC:\\=\"Old\"\r\n";
  rig.files.unwritable.insert(kBoot);
  EXPECT_FALSE(rig.model.Restore());
  EXPECT_EQ(rig.host.messages.back().text, "T664");
  EXPECT_EQ(rig.model.Entries().size(), 3u);
  EXPECT_EQ(rig.Saved(), kThreeSystems);
}

}  // namespace
}  // namespace kv
