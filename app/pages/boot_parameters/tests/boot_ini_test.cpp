// BOOT.INI text: what a read takes from a file and what a write gives back.
#include <gtest/gtest.h>

#include "app/pages/boot_parameters/core/boot_ini.h"

namespace kv {
namespace {

const char* const kNt = "multi(0)disk(0)rdisk(0)partition(1)\\WINNT";
const char* const kNt4 = "multi(0)disk(0)rdisk(0)partition(2)\\WINNT40";

std::string TwoSystems(const std::string& defaultPath) {
  return "[boot loader]\r\ntimeout=30\r\ndefault=" + defaultPath +
         "\r\n[operating systems]\r\n" + kNt + "=\"Windows 2000\" /fastdetect\r\n" + kNt4 +
         "=\"Windows NT 4.0\"\r\nC:\\=\"MS-DOS\"\r\n";
}

TEST(BootIniRead, TakesTimeoutDefaultAndSystems) {
  const BootIni ini = ParseBootIni(TwoSystems(kNt));
  EXPECT_EQ(ini.Timeout, 30);
  EXPECT_EQ(ini.Default, kNt);
  ASSERT_EQ(ini.Entries.size(), 3u);
  EXPECT_EQ(ini.Entries[0].Description, "Windows 2000");
  EXPECT_TRUE(ini.Entries[0].Switches[kFastDetect]);
  EXPECT_EQ(ini.Entries[0].Picture, 3);
  EXPECT_EQ(ini.Entries[1].Picture, 2);
  EXPECT_EQ(ini.Entries[2].ArcPath, "C:\\");
  EXPECT_EQ(ini.Entries[2].Kind, 1);
  EXPECT_EQ(ini.Entries[2].Picture, 1);
  EXPECT_EQ(FormatBootIni(ini), TwoSystems(kNt));  // nothing changed: written as read
}

TEST(BootIniRead, KindOfPaths) {
  EXPECT_EQ(BootPathKind("multi(0)disk(0)rdisk(0)partition(1)\\WINNT"), 2);
  EXPECT_EQ(BootPathKind("SCSI(0)disk(1)rdisk(0)partition(1)\\WINNT"), 2);
  EXPECT_EQ(BootPathKind("C:\\"), 1);
  EXPECT_EQ(BootPathKind("signature(8b467c12)disk(1)rdisk(0)partition(2)\\WINNT"), 1);
  EXPECT_EQ(BootPathKind(""), 1);
}

TEST(BootIniRead, SharedDefaultPathGetsTheDefaultPictureOnce) {
  const std::string text = std::string("[boot loader]\ndefault=") + kNt + "\n[operating systems]\n" + kNt +
                           "=\"A\"\n" + kNt + "=\"B\" /sos\n";
  const BootIni ini = ParseBootIni(text);
  ASSERT_EQ(ini.Entries.size(), 2u);
  EXPECT_EQ(ini.Entries[0].Picture, 3);
  EXPECT_EQ(ini.Entries[1].Picture, 2);
}

TEST(BootIniRead, DefaultMatchesCaseSensitively) {
  const BootIni ini = ParseBootIni(TwoSystems("MULTI(0)DISK(0)RDISK(0)PARTITION(1)\\WINNT"));
  for (const BootEntry& e : ini.Entries) EXPECT_NE(e.Picture, 3);
}

TEST(BootIniRead, TimeoutRules) {
  auto timeout = [](const std::string& value) {
    return ParseBootIni("[boot loader]\r\ntimeout=" + value + "\r\n[operating systems]\r\n").Timeout;
  };
  EXPECT_EQ(ParseBootIni("[boot loader]\r\n[operating systems]\r\n").Timeout, 0);  // missing
  EXPECT_EQ(timeout(""), 0);
  EXPECT_EQ(timeout("-1"), -1);
  EXPECT_EQ(timeout(" 12 seconds"), 12);
  EXPECT_EQ(timeout("abc"), 0);
  EXPECT_EQ(timeout("40000"), 0);  // does not fit 16 bits
  EXPECT_EQ(timeout("99999999999999999999"), 0);
  EXPECT_EQ(timeout("\"7\""), 7);
  // The key belongs to "[boot loader]" only; its name and the section's are matched in any case.
  EXPECT_EQ(ParseBootIni("[BOOT LOADER]\nTimeOut=5\n").Timeout, 5);
  EXPECT_EQ(ParseBootIni("[other]\ntimeout=5\n").Timeout, 0);
}

TEST(BootIniRead, SwitchesInAnyCaseWithTheirNumbers) {
  const BootIni ini =
      ParseBootIni(std::string("[operating systems]\n") + kNt + "=\"W\" /maxmem:64 /sos /NumProc=2 /NOSERIALMICE\n");
  ASSERT_EQ(ini.Entries.size(), 1u);
  const BootEntry& e = ini.Entries[0];
  EXPECT_TRUE(e.Switches[kMaxMemOn]);
  EXPECT_EQ(e.MaxMem, 64);
  EXPECT_TRUE(e.Switches[kSos]);
  EXPECT_TRUE(e.Switches[kNumProcOn]);
  EXPECT_EQ(e.NumProc, 2);
  EXPECT_FALSE(e.Switches[kFastDetect]);
  EXPECT_FALSE(e.Switches[kBaseVideo]);
  EXPECT_FALSE(e.Switches[kNoGuiBoot]);
}

TEST(BootIniRead, OversizedAndMissingSwitchNumbersReadAsZero) {
  const BootIni ini = ParseBootIni(std::string("[operating systems]\n") + kNt +
                                   "=\"W\" /MAXMEM:99999999999 /NUMPROC=x\n");
  ASSERT_EQ(ini.Entries.size(), 1u);
  EXPECT_EQ(ini.Entries[0].MaxMem, 0);
  EXPECT_EQ(ini.Entries[0].NumProc, 0);
}

TEST(BootIniRead, OddLinesInTheSystemSectionAreKeptNotParsed) {
  const std::string text = std::string("[operating systems]\n") + kNt + "=\"W\"\n" +
                           "; a comment=\"x\"\n"
                           "no equals sign\n"
                           "C:\\=no quotes\n"
                           "C:\\=\"one quote\n"
                           "=\"no path\"\n"
                           "\n"
                           "[debug]\n"
                           "C:\\=\"after a later header\"\n";
  BootIni ini = ParseBootIni(text);
  ASSERT_EQ(ini.Entries.size(), 1u);
  std::vector<std::string> others;
  for (const BootLine& line : ini.Lines)
    if (line.Kind == BootLine::kOther) others.push_back(line.Text);
  EXPECT_EQ(others, (std::vector<std::string>{"[operating systems]", "; a comment=\"x\"", "no equals sign",
                                              "C:\\=no quotes", "C:\\=\"one quote", "=\"no path\"", "", "[debug]",
                                              "C:\\=\"after a later header\""}));
  // An edit of the one system leaves every odd line where and as it was.
  ini.Entries[0].Switches[kSos] = true;
  std::string expected = text;
  expected.replace(expected.find("=\"W\"") + 4, 0, " /SOS");
  EXPECT_EQ(FormatBootIni(ini), expected);
}

TEST(BootIniRead, MoreThanTwentyOneSystemsAreAllKept) {
  std::string text = "[operating systems]\n";
  for (int i = 0; i < 40; ++i) text += "C:\\=\"System " + std::to_string(i) + "\"\n";
  const BootIni ini = ParseBootIni(text);
  ASSERT_EQ(ini.Entries.size(), 40u);
  EXPECT_EQ(ini.Entries[39].Description, "System 39");
}

TEST(BootIniRead, EmptyOrBinaryTextGivesNoSystems) {
  EXPECT_TRUE(ParseBootIni("").Entries.empty());
  EXPECT_EQ(ParseBootIni("").Default, "NoKey");
  const BootIni ini = ParseBootIni(std::string("\0\xff[operating systems]\n\0=\"\0\"", 27));
  EXPECT_LE(ini.Entries.size(), 1u);
}

TEST(BootIniWrite, UntouchedFileIsWrittenAsReadWithItsDefault) {
  BootIni ini = ParseBootIni(TwoSystems(kNt4));  // the second system is the default
  EXPECT_EQ(FormatBootIni(ini), TwoSystems(kNt4));
  // Line endings and blank lines are the file's own too.
  const std::string unix = "; made by hand\n[boot loader]\ntimeout=5\n\n[operating systems]\nC:\\=\"DOS\"";
  EXPECT_EQ(FormatBootIni(ParseBootIni(unix)), unix);
}

TEST(BootIniWrite, EditedSystemKeepsUnmanagedSwitchesInPlace) {
  BootIni ini = ParseBootIni(std::string("[operating systems]\n") + kNt +
                             "=\"W\" /numproc=1 /3GB /maxmem:64 /sos /noserialmice /basevideo\n");
  ASSERT_EQ(ini.Entries.size(), 1u);
  BootEntry& e = ini.Entries[0];
  EXPECT_EQ(FormatBootEntry(e), e.Line);
  e.Switches[kSos] = false;      // taken out with its blank
  e.MaxMem = 128;                // rewritten where it stands
  e.Switches[kFastDetect] = true;  // new: added at the end
  e.Switches[kNoGuiBoot] = true;
  EXPECT_EQ(FormatBootEntry(e),
            std::string(kNt) + "=\"W\" /numproc=1 /3GB /MAXMEM:128 /noserialmice /basevideo /FASTDETECT /NOGUIBOOT");
  // Renamed: the new text between the quotes, the rest as before.
  e = ParseBootIni(std::string("[operating systems]\n") + kNt + " = \" W \"  /PAE /sos\n").Entries[0];
  e.Description = "Server";
  EXPECT_EQ(FormatBootEntry(e), std::string(kNt) + " = \"Server\"  /PAE /sos");
  // An entry that was never read: the six switches upper-case in their fixed order.
  BootEntry fresh;
  fresh.ArcPath = kNt;
  fresh.Description = "N";
  fresh.Switches[kNumProcOn] = fresh.Switches[kSos] = true;
  fresh.NumProc = 2;
  EXPECT_EQ(FormatBootEntry(fresh), std::string(kNt) + "=\"N\" /SOS /NUMPROC=2");
}

// Boot files as Microsoft documents them, with switches the page does not manage. Windows 2000
// server with /3GB, /PAE, its own HAL and kernel, boot logging and the Recovery Console; switch names
// from https://learn.microsoft.com/en-us/previous-versions/windows/desktop/bcd/mapping-boot-options-to-elements
// and https://docs.microsoft.com/en-US/troubleshoot/windows-server/performance/switch-options-for-boot-files,
// the Recovery Console line from https://learn.microsoft.com/en-us/windows-hardware/drivers/devtest/overview-of-the-boot-ini-file.
// Windows NT 4.0 with its "[VGA mode]" line as Setup writes it.
TEST(BootIniWrite, MicrosoftExamplesKeepEverySwitchTheUserDidNotTouch) {
  const std::string w2k =
      "[boot loader]\r\n"
      "timeout=30\r\n"
      "default=multi(0)disk(0)rdisk(0)partition(2)\\WINNT\r\n"
      "[operating systems]\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Microsoft Windows 2000 Advanced Server\" /fastdetect /3GB\r\n"
      "multi(0)disk(0)rdisk(0)partition(2)\\WINNT=\"Windows 2000 Datacenter Server\" /fastdetect /PAE\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows 2000 test kernel\" /HAL=halmacpi.dll "
      "/KERNEL=ntkrnlmp.exe /BOOTLOG /sos\r\n"
      "C:\\CMDCONS\\BOOTSECT.DAT=\"Microsoft Windows 2000 Recovery Console\" /cmdcons\r\n";
  BootIni ini = ParseBootIni(w2k);
  ASSERT_EQ(ini.Entries.size(), 4u);
  EXPECT_EQ(ini.Entries[1].Picture, 3);
  ini.Entries[0].Switches[kNoGuiBoot] = true;  // the user's only edits: one switch and the timeout
  ini.Entries[2].Switches[kSos] = false;
  ini.Timeout = 10;
  std::string expected = w2k;
  expected.replace(expected.find("timeout=30"), 10, "timeout=10");
  expected.replace(expected.find("/3GB") + 4, 0, " /NOGUIBOOT");
  expected.erase(expected.find(" /sos"), 5);
  EXPECT_EQ(FormatBootIni(ini), expected);

  const std::string nt4 =
      "[boot loader]\r\n"
      "timeout=30\r\n"
      "default=multi(0)disk(0)rdisk(0)partition(1)\\WINNT\r\n"
      "[operating systems]\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows NT Workstation Version 4.00\"\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows NT Workstation Version 4.00 [VGA mode]\" /basevideo /sos\r\n"
      "C:\\=\"MS-DOS\"\r\n";
  ini = ParseBootIni(nt4);
  ini.Entries[1].Description = "NT 4.0 VGA";
  ini.Entries[1].Switches[kBaseVideo] = true;
  expected = nt4;
  expected.replace(expected.find("Windows NT Workstation Version 4.00 [VGA mode]"), 46, "NT 4.0 VGA");
  EXPECT_EQ(FormatBootIni(ini), expected);
}

TEST(BootIniWrite, ChangedKeysInPlaceMissingOnesUnderTheLoaderHeader) {
  BootIni ini = ParseBootIni(std::string("[Boot Loader]\r\nredirect=COM1\r\n[operating systems]\r\n") + kNt +
                             "=\"W\"\r\n");
  EXPECT_EQ(ini.Default, "NoKey");
  EXPECT_EQ(FormatBootIni(ini), std::string("[Boot Loader]\r\nredirect=COM1\r\n[operating systems]\r\n") + kNt +
                                    "=\"W\"\r\n");
  ini.Timeout = -1;
  ini.Default = kNt;
  EXPECT_EQ(FormatBootIni(ini), std::string("[Boot Loader]\r\ntimeout=-1\r\ndefault=") + kNt +
                                    "\r\nredirect=COM1\r\n[operating systems]\r\n" + kNt + "=\"W\"\r\n");
  // No loader section at all: one is put at the top.
  ini = ParseBootIni(std::string("[operating systems]\n") + kNt + "=\"W\"\n");
  ini.Timeout = 3;
  EXPECT_EQ(FormatBootIni(ini), std::string("[boot loader]\r\ntimeout=3\r\n[operating systems]\n") + kNt + "=\"W\"\n");
}

TEST(BootIniWrite, EmptyListWritesBothSectionsAndAnEmptyDefault) {
  EXPECT_EQ(FormatBootIni(BootIni()), "[boot loader]\r\ntimeout=0\r\ndefault=\r\n[Operating Systems]\r\n");
}

TEST(BootIniWrite, OtherLoaderKeysAndKeptLinesSurviveUnchanged) {
  const std::string text = std::string("; top comment\n[boot loader]\ntimeout=3\nredirect=COM1\ndefault=") + kNt +
                           "\n[operating systems]\n" + kNt + "=\"W\"\nbroken line\n[debug]\nport=com2\n";
  BootIni ini = ParseBootIni(text);
  EXPECT_EQ(FormatBootIni(ini), text);
  ini.Timeout = 4;
  ini.Entries[0].Description = "V";
  const std::string written = FormatBootIni(ini);
  EXPECT_EQ(written, std::string("; top comment\n[boot loader]\ntimeout=4\nredirect=COM1\ndefault=") + kNt +
                         "\n[operating systems]\n" + kNt + "=\"V\"\nbroken line\n[debug]\nport=com2\n");
  // Writing what was written changes nothing more.
  EXPECT_EQ(FormatBootIni(ParseBootIni(written)), written);
}

TEST(BootDescription, RefusesEmptyQuotesAndLineBreaks) {
  EXPECT_TRUE(IsValidBootDescription("Windows 2000 Professional"));
  EXPECT_FALSE(IsValidBootDescription(""));
  EXPECT_FALSE(IsValidBootDescription("say \"hi\""));
  EXPECT_FALSE(IsValidBootDescription("two\r\nlines"));
}

}  // namespace
}  // namespace kv
