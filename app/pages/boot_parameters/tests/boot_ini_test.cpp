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
  EXPECT_TRUE(ini.LoaderLines.empty());
  EXPECT_TRUE(ini.KeptLines.empty());
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
  const BootIni ini = ParseBootIni(text);
  ASSERT_EQ(ini.Entries.size(), 1u);
  EXPECT_EQ(ini.KeptLines,
            (std::vector<std::string>{"; a comment=\"x\"", "no equals sign", "C:\\=no quotes", "C:\\=\"one quote",
                                      "=\"no path\"", "[debug]", "C:\\=\"after a later header\""}));
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

TEST(BootIniWrite, FixedLayoutFirstSystemIsDefault) {
  BootIni ini = ParseBootIni(TwoSystems(kNt4));  // the second system was the default
  EXPECT_EQ(FormatBootIni(ini),
            std::string("[boot loader]\r\ntimeout=30\r\ndefault=") + kNt + "\r\n[Operating Systems]\r\n" + kNt +
                "=\"Windows 2000\" /FASTDETECT\r\n" + kNt4 + "=\"Windows NT 4.0\"\r\nC:\\=\"MS-DOS\"\r\n");
}

TEST(BootIniWrite, SwitchesUpperCaseInFixedOrderUnknownOnesDropped) {
  BootIni ini = ParseBootIni(std::string("[operating systems]\n") + kNt +
                             "=\"W\" /numproc=1 /maxmem:64 /sos /noserialmice /basevideo /noguiboot /fastdetect\n");
  ASSERT_EQ(ini.Entries.size(), 1u);
  EXPECT_EQ(FormatBootEntry(ini.Entries[0]),
            std::string(kNt) + "=\"W\" /FASTDETECT /NOGUIBOOT /BASEVIDEO /SOS /MAXMEM:64 /NUMPROC=1");
}

TEST(BootIniWrite, EmptyListWritesBothSectionsAndAnEmptyDefault) {
  EXPECT_EQ(FormatBootIni(BootIni()), "[boot loader]\r\ntimeout=0\r\ndefault=\r\n[Operating Systems]\r\n");
}

TEST(BootIniWrite, OtherLoaderKeysAndKeptLinesSurviveUnchanged) {
  const std::string text = std::string("; top comment\n[boot loader]\ntimeout=3\nredirect=COM1\ndefault=") + kNt +
                           "\n[operating systems]\n" + kNt + "=\"W\"\nbroken line\n[debug]\nport=com2\n";
  const std::string written = FormatBootIni(ParseBootIni(text));
  EXPECT_EQ(written, std::string("[boot loader]\r\ntimeout=3\r\ndefault=") + kNt +
                         "\r\n; top comment\r\nredirect=COM1\r\n[Operating Systems]\r\n" + kNt +
                         "=\"W\"\r\nbroken line\r\n[debug]\r\nport=com2\r\n");
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
