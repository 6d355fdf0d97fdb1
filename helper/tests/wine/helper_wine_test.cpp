// korvnst.exe under Wine, started as a separate process the way the main program and the
// installation procedure start it. Registry values are set with Wine's reg.exe and checked with
// direct registry and file reads; message boxes are found by their titles and answered.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <regex>

#include "app/catalogue/catalogue_file.h"
#include "helper/tests/wine/wine_support.h"

namespace kv::helper::wine {
namespace {

constexpr const char* kProductKey = "HKLM\\Software\\Quorbel\\Korvane2k";
constexpr const char* kValuesKey = "Software\\KvHelperTest";  // under HKEY_CURRENT_USER
constexpr int kN = 4;                                         // "FktAnzahl" of the test catalogue

std::string Korvnst() { return "\"" + BinDir() + "korvnst.exe\" "; }
std::string AppFolder() { return std::string(kTestRoot) + "app"; }
std::string UndoFile() { return SystemDir() + "KORVN2K.UND"; }

RegistryAction On(const char* valueName, std::int16_t kind) {
  RegistryAction a;
  a.KeyPath = std::string("HKEY_CURRENT_USER\\") + kValuesKey;
  a.ValueName = valueName;
  a.ValueKind = kind;
  a.Data = "ignored by the scan";
  return a;
}

std::vector<FunctionRecord> TestCatalogue() {
  std::vector<FunctionRecord> f(kN + 2);
  f[0].Page = 1;
  f[0].OnActions = {On("Text", 0), On("Dword", 1), On("Binary", 2)};
  f[1].Page = 5;
  f[1].RestartLevel = 1;
  f[1].OnActions = {On("MissingText", 0), On("MissingDword", 1), On("MissingBinary", 2)};
  f[3].Page = 16;
  f[3].RestartLevel = 2;
  f[3].OnActions[1] = On("Minus", 1);
  f[3].OnActions[2] = On("Empty", 2);
  f[4].Page = -1;
  f[4].OnActions[0] = On("Umlaut", 0);
  f[5].OnActions[0] = On("NeverScanned", 0);  // record N + 1 is not part of a profile
  return f;
}

std::string Quote(const std::string& s) { return "\"" + s + "\""; }

void SetTestValues() {
  const std::string key = std::string("HKCU\\") + kValuesKey;
  Reg("delete " + key + " /f");
  ASSERT_TRUE(Reg("add " + key + " /v Text /t REG_SZ /d \"Hallo Welt\" /f"));
  ASSERT_TRUE(Reg("add " + key + " /v Dword /t REG_DWORD /d 989898 /f"));
  ASSERT_TRUE(Reg("add " + key + " /v Binary /t REG_BINARY /d 000A0FFF10 /f"));
  ASSERT_TRUE(Reg("add " + key + " /v Minus /t REG_DWORD /d 0xffffffff /f"));
  ASSERT_TRUE(Reg("add " + key + " /v Empty /t REG_BINARY /f"));
  ASSERT_TRUE(Reg("add " + key + " /v Umlaut /t REG_SZ /d Gr\xFC\xDF" "e /f"));
  ASSERT_TRUE(Reg("add " + key + " /v NeverScanned /t REG_SZ /d x /f"));
}

// The expected file, computed here independently of the product's encoder.
class ExpectedProfile {
 public:
  void Number(int v) {
    bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  }
  void Text(const std::string& t) {
    Number(static_cast<int>(t.size()));
    bytes.insert(bytes.end(), t.begin(), t.end());
  }
  void Entry(const std::string& key, const std::string& name, const std::string& data, int kind) {
    Text(key);
    Text(name);
    Text(data);
    Number(kind);
    Number(0);
  }
  void EmptyEntry() { Entry("", "", "", 0); }
  void TestEntry(const std::string& name, const std::string& data, int kind) {
    Entry(std::string("HKEY_CURRENT_USER\\") + kValuesKey, name, data, kind);
  }
  std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> ExpectedScanOfTestValues(const std::string& stamp) {
  ExpectedProfile p;
  p.Number(1), p.Number(0);
  p.TestEntry("Text", "Hallo Welt", 0), p.TestEntry("Dword", "989898", 1), p.TestEntry("Binary", "000A0FFF10", 2);
  p.Number(5), p.Number(1);
  p.TestEntry("MissingText", "NoKey", 0), p.TestEntry("MissingDword", "989898", 1);
  p.TestEntry("MissingBinary", "NoKey", 2);
  p.Number(0), p.Number(0), p.EmptyEntry(), p.EmptyEntry(), p.EmptyEntry();
  p.Number(16), p.Number(2), p.EmptyEntry(), p.TestEntry("Minus", "-1", 1), p.TestEntry("Empty", "", 2);
  p.Number(-1), p.Number(0), p.TestEntry("Umlaut", "Gr\xFC\xDF" "e", 0), p.EmptyEntry(), p.EmptyEntry();
  p.Number(0), p.Number(0), p.EmptyEntry(), p.EmptyEntry(), p.EmptyEntry();  // record N + 1
  p.Number(0), p.Number(0), p.Entry("KORVN_PROF_FILE", "", "", 0), p.Entry(stamp, "", "", 0), p.Entry("9", "", "", 0);
  return p.bytes;
}

// The stamp text inside a profile of the test catalogue (entry 1 of the marker record).
std::string StampOf(const std::vector<std::uint8_t>& file) {
  // Counted back from the end: entry 2 ("9": 3 + 2 + 2 + 4 bytes), entry 1 with an empty stamp (10 bytes).
  const std::size_t markerEntry1 = ExpectedScanOfTestValues("").size() - 11 - 10;
  if (file.size() < markerEntry1 + 2) return std::string();
  const std::size_t length = file[markerEntry1] | (file[markerEntry1 + 1] << 8);
  if (file.size() < markerEntry1 + 2 + length) return std::string();
  return std::string(file.begin() + static_cast<std::ptrdiff_t>(markerEntry1 + 2),
                     file.begin() + static_cast<std::ptrdiff_t>(markerEntry1 + 2 + length));
}

class HelperProgram : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTree(kTestRoot);
    MakeDirectories(AppFolder());
    MakeDirectories(std::string(kTestRoot) + "out");
    WriteBytes(AppFolder() + "\\Korvn2k.fkt", EncodeFunctionFile(TestCatalogue()));
    ASSERT_TRUE(Reg(std::string("add ") + kProductKey + " /v AppPath /t REG_SZ /d " + Quote(AppFolder()) + " /f"));
    ASSERT_TRUE(Reg(std::string("add ") + kProductKey + " /v FktAnzahl /t REG_DWORD /d 4 /f"));
    ASSERT_TRUE(Reg(std::string("add ") + kProductKey + " /v Language /t REG_DWORD /d 1 /f"));
    DeleteFileA(UndoFile().c_str());
    SetTestValues();
  }
};

TEST_F(HelperProgram, UndoscanAloneWritesTheUndoFileOfTheSystemFolder) {
  Reg(std::string("delete ") + kProductKey + " /v MasterProfileUser /f");
  ASSERT_EQ(RunProgram(Korvnst() + "/UNDOSCAN"), 0u);
  const std::vector<std::uint8_t> file = ReadBytes(UndoFile());
  EXPECT_EQ(file, ExpectedScanOfTestValues(StampOf(file)));
  // Who took it is recorded ("DOMAIN\user"): its per-user values are that user's settings.
  char user[256] = {};
  DWORD length = sizeof user;
  ASSERT_TRUE(GetUserNameA(user, &length));
  const std::string taker = QueryText(HKEY_LOCAL_MACHINE, "Software\\Quorbel\\Korvane2k", "MasterProfileUser");
  EXPECT_NE(taker.find('\\'), std::string::npos) << taker;
  EXPECT_EQ(taker.substr(taker.find('\\') + 1), user);
}

TEST_F(HelperProgram, ScannedBytesMatchAnIndependentComputationFromRegExeValues) {
  const std::string out = std::string(kTestRoot) + "out\\Profil.prf";
  ASSERT_EQ(RunProgram(Korvnst() + "/undoscan#" + out), 0u);
  const std::vector<std::uint8_t> file = ReadBytes(out);
  const std::string stamp = StampOf(file);
  EXPECT_EQ(file, ExpectedScanOfTestValues(stamp));
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_TRUE(std::regex_match(stamp, std::regex("[^ ,]+, [1-9][0-9]?\\. [^ ]+ " + std::to_string(now.wYear) +
                                                 "#[0-2][0-9]:[0-5][0-9]")))
      << stamp;
  EXPECT_FALSE(FileExists(UndoFile()));
  EXPECT_FALSE(FileExists(out + ".kvtmp"));
}

TEST_F(HelperProgram, ScanReplacesAnOlderLongerFileCompletely) {
  const std::string out = std::string(kTestRoot) + "out\\old.prf";
  WriteBytes(out, std::vector<std::uint8_t>(20000, 0xEE));
  ASSERT_EQ(RunProgram(Korvnst() + "/UNDOSCAN#" + out), 0u);
  const std::vector<std::uint8_t> file = ReadBytes(out);
  EXPECT_EQ(file, ExpectedScanOfTestValues(StampOf(file)));
}

// A recovery profile the user chose to replace is read-only: the helper cannot replace it, says so in
// a message box (text 113 under the scan's caption), and the old file is left whole, with no
// temporary file beside it.
TEST_F(HelperProgram, AReadOnlyProfileIsKeptAndTheUserIsToldItWasNotSaved) {
  const std::string out = std::string(kTestRoot) + "out\\locked.prf";
  const std::vector<std::uint8_t> old(5000, 0xEE);
  WriteBytes(out, old);
  ASSERT_TRUE(SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_READONLY));
  HANDLE process = StartProgram(Korvnst() + "/UNDOSCAN#" + out);
  ASSERT_NE(process, nullptr);
  HWND box = WaitForWindow("#32770", " Create Profile File", 30000);
  ASSERT_NE(box, nullptr) << "no message: the user does not learn that the profile was not saved";
  EXPECT_EQ(MessageBoxText(box),
            "The profile file could not be saved. The disk is full or write-protected, or you lack the permission.");
  SaveScreenshot(BinDir() + "helper_readonly_profile.bmp");
  PressButton(box, IDOK);
  EXPECT_TRUE(WaitForExit(process, 30000));
  CloseHandle(process);
  EXPECT_EQ(ReadBytes(out), old);
  EXPECT_FALSE(FileExists(out + ".kvtmp"));
  SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The master profile is taken once: a second "/UNDOSCAN" leaves it alone, the setup program's
// "/MASTERSCAN" takes it anew.
TEST_F(HelperProgram, UndoscanKeepsAValidUndoFileMasterscanReplacesIt) {
  ASSERT_EQ(RunProgram(Korvnst() + "/UNDOSCAN"), 0u);
  const std::vector<std::uint8_t> master = ReadBytes(UndoFile());
  ASSERT_TRUE(Reg(std::string("add HKCU\\") + kValuesKey + " /v Text /t REG_SZ /d changed /f"));
  ASSERT_EQ(RunProgram(Korvnst() + "/UNDOSCAN"), 0u);
  EXPECT_EQ(ReadBytes(UndoFile()), master);
  ASSERT_EQ(RunProgram(Korvnst() + "/UNDOSCAN#" + UndoFile()), 0u);
  EXPECT_EQ(ReadBytes(UndoFile()), master);
  ASSERT_EQ(RunProgram(Korvnst() + "/MASTERSCAN"), 0u);
  EXPECT_NE(ReadBytes(UndoFile()), master);
}

TEST_F(HelperProgram, WithoutTheDatabaseTheScanWritesNothing) {
  Reg(std::string("delete ") + kProductKey + " /v AppPath /f");
  ASSERT_EQ(RunProgram(Korvnst() + "/UNDOSCAN"), 0u);
  EXPECT_FALSE(FileExists(UndoFile()));
  ASSERT_EQ(RunProgram(Korvnst() + "/UNDOSCAN#C:\\kvhelper-test\\out\\x.prf#PROGRESS#0"), 0u);
  EXPECT_FALSE(FileExists(std::string(kTestRoot) + "out\\x.prf"));
}

// An owner window like the main program's, at a given place.
class OwnerWindow {
 public:
  OwnerWindow(int x, int y, int w, int h) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KvHelperTestOwner";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    RegisterClassA(&wc);
    hwnd = CreateWindowA(wc.lpszClassName, "Owner", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr,
                         wc.hInstance, nullptr);
  }
  ~OwnerWindow() { DestroyWindow(hwnd); }
  std::string Decimal() const { return std::to_string(reinterpret_cast<std::uintptr_t>(hwnd)); }
  HWND hwnd;
};

struct ProgressRun {
  RECT rect = {};
  std::string caption;
  DWORD shownMs = 0;  // from the window's appearance to its disappearance
  bool appeared = false;
};

ProgressRun ScanWithProgress(const std::string& arguments, const std::string& screenshot) {
  ProgressRun run;
  HANDLE process = StartProgram(Korvnst() + arguments);
  if (!process) return run;
  HWND window = WaitForWindow("KorvnstForm2", nullptr, 30000);
  // The window exists a moment before it is placed and shown.
  for (int i = 0; window && IsWindow(window) && !IsWindowVisible(window) && i < 2000; ++i) Sleep(2);
  const DWORD appeared = GetTickCount();
  if (window && IsWindowVisible(window)) {
    run.appeared = true;
    GetWindowRect(window, &run.rect);
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    run.caption = caption;
    Sleep(150);
    if (!screenshot.empty()) SaveScreenshot(BinDir() + screenshot);
    while (IsWindow(window) && GetTickCount() - appeared < 10000) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(5);
    }
    run.shownMs = GetTickCount() - appeared;
  }
  WaitForExit(process, 30000);
  CloseHandle(process);
  return run;
}

TEST_F(HelperProgram, ProgressWindowIsCentredOverItsOwnerAndClosesAfter700ms) {
  OwnerWindow owner(200, 150, 500, 400);
  const std::string out = std::string(kTestRoot) + "out\\progress.prf";
  const ProgressRun run = ScanWithProgress("/UNDOSCAN#" + out + "#PROGRESS#" + owner.Decimal(),
                                           "helper_progress_window.bmp");
  ASSERT_TRUE(run.appeared);
  EXPECT_EQ(run.caption, " Create Profile File");
  EXPECT_NEAR((run.rect.left + run.rect.right) / 2, 200 + 250, 2);
  EXPECT_NEAR((run.rect.top + run.rect.bottom) / 2, 150 + 200, 2);
  EXPECT_GE(run.shownMs, 650u);
  EXPECT_LT(run.shownMs, 5000u);
  const std::vector<std::uint8_t> file = ReadBytes(out);
  EXPECT_EQ(file, ExpectedScanOfTestValues(StampOf(file)));
}

TEST_F(HelperProgram, ProgressWindowStopsAtTheScreenEdge) {
  const int screenW = GetSystemMetrics(SM_CXSCREEN);
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  OwnerWindow owner(screenW - 120, screenH - 60, 110, 50);
  const ProgressRun run =
      ScanWithProgress("/UNDOSCAN#" + std::string(kTestRoot) + "out\\edge.prf#PROGRESS#" + owner.Decimal(), "");
  ASSERT_TRUE(run.appeared);
  EXPECT_NEAR(run.rect.right, screenW, 1);
  EXPECT_NEAR(run.rect.bottom, screenH, 1);
}

TEST_F(HelperProgram, ProgressWithoutOwnerOpensAtTheDefaultPositionAndCloses) {
  const std::string out = std::string(kTestRoot) + "out\\noowner.prf";
  const ProgressRun run = ScanWithProgress("/UNDOSCAN#" + out + "#PROGRESS#0", "");
  ASSERT_TRUE(run.appeared);
  EXPECT_GE(run.shownMs, 650u);
  EXPECT_TRUE(FileExists(out));
}

// ---- uninstall restore

class Uninstall : public HelperProgram {
 protected:
  void SetUp() override {
    HelperProgram::SetUp();
    ASSERT_EQ(RunProgram(Korvnst() + "/UNDOSCAN"), 0u);  // the master profile of the test values
    const std::string key = std::string("HKCU\\") + kValuesKey;
    ASSERT_TRUE(Reg("add " + key + " /v Text /t REG_SZ /d changed /f"));
    ASSERT_TRUE(Reg("add " + key + " /v MissingText /t REG_SZ /d created /f"));
    ASSERT_TRUE(Reg("add " + key + " /v Minus /t REG_DWORD /d 7 /f"));
    ASSERT_TRUE(Reg("add HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run /v KorvnTweakMe /t REG_SZ /d x /f"));
    Reg("delete HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion /v TerminateSysTray /f");
    Reg("delete \"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows\" /v AppInitPss /f");
    ASSERT_TRUE(CopyFileA((BinDir() + "fake_uninstaller.exe").c_str(), (SystemDir() + "RMVKT.EXE").c_str(), FALSE));
  }
  void TearDown() override { DeleteFileA((SystemDir() + "RMVKT.EXE").c_str()); }

  bool Restored() {
    DWORD type = 0;
    std::vector<std::uint8_t> minus;
    return QueryText(HKEY_CURRENT_USER, kValuesKey, "Text") == "Hallo Welt" &&
           !QueryValue(HKEY_CURRENT_USER, kValuesKey, "MissingText", &type, &minus) &&
           QueryValue(HKEY_CURRENT_USER, kValuesKey, "Minus", &type, &minus) &&
           minus == std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF};
  }
  bool Untouched() { return QueryText(HKEY_CURRENT_USER, kValuesKey, "Text") == "changed"; }
  void SignalsWereSent() {
    DWORD type = 0;
    std::vector<std::uint8_t> data;
    EXPECT_TRUE(QueryValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "TerminateSysTray",
                           &type, &data));
    EXPECT_EQ(data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    EXPECT_FALSE(QueryValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "KorvnTweakMe",
                            &type, &data));
  }
  // The command line the uninstaller was started with ("" when it was not started).
  std::string UninstallerCommand() {
    const std::string record = std::string(kTestRoot) + "rmvkt.txt";
    for (int i = 0; i < 300 && !FileExists(record); ++i) Sleep(20);
    const std::vector<std::uint8_t> bytes = ReadBytes(record);
    return std::string(bytes.begin(), bytes.end());
  }
  // Runs "/UNINST..." and answers the message box of the given title with the given button.
  void RunAnswering(const std::string& arguments, const char* boxTitle, int button, std::string* boxText) {
    HANDLE process = StartProgram(Korvnst() + arguments);
    ASSERT_NE(process, nullptr);
    HWND box = WaitForWindow("#32770", boxTitle, 30000);
    ASSERT_NE(box, nullptr) << "no message box titled " << boxTitle;
    *boxText = MessageBoxText(box);
    PressButton(box, button);
    EXPECT_TRUE(WaitForExit(process, 30000));
    CloseHandle(process);
  }
};

TEST_F(Uninstall, WithoutAlertRestoresEverythingAndStartsTheUninstaller) {
  ASSERT_EQ(RunProgram(Korvnst() + "/uninst#-y c:\\log.txt"), 0u);
  SignalsWereSent();
  EXPECT_TRUE(Restored());
  EXPECT_EQ(UninstallerCommand(), "\"" + SystemDir() + "RMVKT.EXE\" /-Y C:\\LOG.TXT");
}

TEST_F(Uninstall, AlertAnsweredYesRestores) {
  std::string text;
  RunAnswering("/UNINST#-Y#ALERT", "Korvane Deinstallation", IDYES, &text);
  EXPECT_EQ(text, "System restore function:\r\n\r\nDo you want to restore all settings changed by Korvane before "
                  "uninstalling?");
  SignalsWereSent();
  EXPECT_TRUE(Restored());
  EXPECT_EQ(UninstallerCommand(), "\"" + SystemDir() + "RMVKT.EXE\" /-Y");
}

TEST_F(Uninstall, AlertAnsweredNoRestoresNothingButStartsTheUninstaller) {
  std::string text;
  RunAnswering("/UNINST##ALERT", "Korvane Deinstallation", IDNO, &text);
  SignalsWereSent();
  EXPECT_TRUE(Untouched());
  EXPECT_EQ(UninstallerCommand(), "\"" + SystemDir() + "RMVKT.EXE\" /");
}

TEST_F(Uninstall, APasswordRefusesAfterEndingTheTrayHelperAndTheLogonEntry) {
  ASSERT_TRUE(Reg("add \"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows\" /v AppInitPss /t REG_SZ "
                  "/d geheim /f"));
  std::string text;
  RunAnswering("/UNINST#-Y#ALERT", "Cannot uninstall Korvane.", IDOK, &text);
  Reg("delete \"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows\" /v AppInitPss /f");
  EXPECT_EQ(text, "Korvane is currently password protected.\r\n Before deinstalling please start Korvane and disable "
                  "password access in the Program Options.");
  // The log-on entry is gone, but the end request for the tray helper is taken back: Korvane stays.
  DWORD type = 0;
  std::vector<std::uint8_t> data;
  EXPECT_FALSE(QueryValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "TerminateSysTray",
                          &type, &data));
  EXPECT_FALSE(QueryValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "KorvnTweakMe",
                          &type, &data));
  EXPECT_TRUE(Untouched());
  Sleep(500);
  EXPECT_FALSE(FileExists(std::string(kTestRoot) + "rmvkt.txt"));
}

// ---- startup cleaning

std::string SpecialFolder(int id) {
  char path[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, path, id, TRUE);
  return std::string(path) + "\\";
}

// A file written long before the system started (both its creation and its last write).
void MakeOld(const std::string& path) {
  SYSTEMTIME then = {};
  then.wYear = 2001;
  then.wMonth = 1;
  then.wDay = 1;
  FILETIME old;
  SystemTimeToFileTime(&then, &old);
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  EXPECT_TRUE(SetFileTime(file, &old, nullptr, &old));
  CloseHandle(file);
}

std::string ProfileFolder() {
  char path[MAX_PATH] = {};
  GetEnvironmentVariableA("USERPROFILE", path, MAX_PATH);
  return std::string(path) + "\\";
}

TEST_F(HelperProgram, TweakCleansRecentDocumentsTempAndTheStartMenu) {
  const std::string recent = SpecialFolder(CSIDL_RECENT);
  const std::string startMenu = SpecialFolder(CSIDL_STARTMENU);
  // A temporary folder below the profile, as Windows 2000 has it; files from before the system's
  // start go, a file of this session stays.
  const std::string temp = ProfileFolder() + "kv-tweak-temp\\";
  MakeDirectories(recent + "Sub");
  WriteBytes(recent + "doc.lnk", {1});
  WriteBytes(recent + "Sub\\old.lnk", {1});
  SetFileAttributesA((recent + "doc.lnk").c_str(), FILE_ATTRIBUTE_READONLY);
  MakeDirectories(temp + "A\\B");
  MakeDirectories(temp + "Hidden");
  WriteBytes(temp + "top.tmp", {1});
  WriteBytes(temp + "A\\B\\deep.tmp", {1});
  WriteBytes(temp + "Hidden\\kept.tmp", {1});
  WriteBytes(temp + "young.tmp", {1});
  for (const char* old : {"top.tmp", "A\\B\\deep.tmp", "Hidden\\kept.tmp"}) MakeOld(temp + old);
  SetFileAttributesA((temp + "Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
  const std::string printer = startMenu + "Printer.{2227A280-3AEA-1069-A2DE-08002B30309D}";
  MakeDirectories(printer);
  const std::string morvask = "HKLM\\SOFTWARE\\Quorbel\\Korvane2k\\Morvask";
  Reg("delete " + morvask + " /f");
  for (const char* on : {"ClearDocHistory", "ClearTempFiles", "ClearRunHistory", "SysStInUserMenu"}) {
    ASSERT_TRUE(Reg("add " + morvask + " /v " + on + " /t REG_DWORD /d 1 /f"));
  }
  ASSERT_TRUE(Reg("add " + morvask + " /v DfueNetInUserMenu /t REG_DWORD /d 2 /f"));
  ASSERT_TRUE(Reg("add HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU\\Deeper /v a /d x /f"));
  ASSERT_TRUE(Reg("add \"HKCU\\Software\\Microsoft\\Internet Explorer\\TypedURLs\" /v url1 /d x /f"));

  const std::string environment = EnvironmentWithTemp(temp);
  ASSERT_EQ(RunProgram(Korvnst() + "/tweak", 60000, &environment), 0u);

  EXPECT_FALSE(FileExists(recent + "doc.lnk")) << "read-only files are reset and deleted";
  EXPECT_FALSE(FileExists(recent + "Sub\\old.lnk"));
  EXPECT_FALSE(FileExists(temp + "top.tmp"));
  EXPECT_FALSE(FileExists(temp + "A\\B\\deep.tmp"));
  EXPECT_FALSE(DirectoryExists(temp + "A\\B"));
  EXPECT_TRUE(DirectoryExists(temp + "A")) << "A was not empty at its turn; it goes at the next log-on";
  EXPECT_TRUE(FileExists(temp + "Hidden\\kept.tmp"));
  EXPECT_TRUE(FileExists(temp + "young.tmp")) << "written since the system started";
  EXPECT_TRUE(DirectoryExists(temp));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\TypedURLs"));
  EXPECT_TRUE(DirectoryExists(startMenu + "Control Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}"));
  EXPECT_FALSE(DirectoryExists(startMenu + "Network and Dial-up Connections.{a4d92740-67cd-11cf-96f2-00aa00a11dd9}"));
  EXPECT_FALSE(DirectoryExists(printer)) << "an off choice removes the folder";
  RemoveDirectoryA((startMenu + "Control Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}").c_str());

  // A temporary folder outside the profile and the system's temporary folders is no place to clean.
  const std::string elsewhere = std::string(kTestRoot) + "temp\\";
  MakeDirectories(elsewhere);
  WriteBytes(elsewhere + "data.txt", {1});
  MakeOld(elsewhere + "data.txt");
  const std::string outside = EnvironmentWithTemp(elsewhere);
  ASSERT_EQ(RunProgram(Korvnst() + "/tweak", 60000, &outside), 0u);
  EXPECT_TRUE(FileExists(elsewhere + "data.txt"));
  DeleteFileA((elsewhere + "data.txt").c_str());
  for (const char* file : {"young.tmp", "Hidden\\kept.tmp"}) DeleteFileA((temp + file).c_str());
  for (const char* folder : {"Hidden", "A"}) RemoveDirectoryA((temp + folder).c_str());
  RemoveDirectoryA(temp.c_str());
  Reg("delete " + morvask + " /f");
}

TEST_F(HelperProgram, TweakNeverEmptiesTheWindowsDirectoryGivenAsTemp) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string canary = std::string(windows) + "\\kvhelper-canary.tmp";
  WriteBytes(canary, {1});
  const std::string morvask = "HKLM\\SOFTWARE\\Quorbel\\Korvane2k\\Morvask";
  ASSERT_TRUE(Reg("add " + morvask + " /v ClearTempFiles /t REG_DWORD /d 1 /f"));
  // Upper-cased, with trailing blanks: still the Windows directory.
  CharUpperA(windows);
  const std::string environment = EnvironmentWithTemp(std::string(windows) + "\\  ");
  ASSERT_EQ(RunProgram(Korvnst() + "/TWEAK", 60000, &environment), 0u);
  EXPECT_TRUE(FileExists(canary));
  DeleteFileA(canary.c_str());
  Reg("delete " + morvask + " /f");
}

// ---- start-up and string table

TEST(HelperResources, StringTableHoldsGermanAndEnglishInCodePage1252) {
  HMODULE module = LoadLibraryExA((BinDir() + "korvnst.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  char text[512] = {};
  LoadStringA(module, 111, text, sizeof text);
  EXPECT_STREQ(text, "DF\xDC Netzwerk.{a4d92740-67cd-11cf-96f2-00aa00a11dd9}");
  LoadStringA(module, 1091, text, sizeof text);
  EXPECT_STREQ(text, " Create Profile File");
  LoadStringA(module, 104, text, sizeof text);
  EXPECT_STREQ(text, "Deinstallation nicht m\xF6glich.");
  for (int id : {91, 101, 102, 103, 105, 106, 107, 108, 109, 110, 112}) {
    EXPECT_GT(LoadStringA(module, id, text, sizeof text), 0) << id;
    EXPECT_GT(LoadStringA(module, id + 1000, text, sizeof text), 0) << id + 1000;
  }
  FreeLibrary(module);
}

// Resident mode stays until it is told to end; closing its hidden window ends it.
TEST(HelperStart, UnknownOrEmptyCommandLinesStartResidentMode) {
  for (const char* arguments : {"", "/REBOOT ", "/nothing#a#b#c#d#e#f#g#h"}) {
    HANDLE process = StartProgram("\"" + BinDir() + "korvnst.exe\" " + arguments);
    ASSERT_NE(process, nullptr) << arguments;
    HWND window = WaitForWindow("KorvnstForm1", nullptr, 20000);
    EXPECT_NE(window, nullptr) << arguments;
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    const bool ended = WaitForExit(process, 10000);
    EXPECT_TRUE(ended) << arguments;
    if (!ended) TerminateProcess(process, 1);
    CloseHandle(process);
  }
}

}  // namespace
}  // namespace kv::helper::wine
