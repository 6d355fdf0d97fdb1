// The restore window under Wine: a master profile taken from the real registry, a value changed
// afterwards, and the window's own buttons (Restore, Select Profile, Cancel) driven by messages.
// The shown window is saved as restore_window.bmp in the working folder.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <cstdio>

#include "app/catalogue/win32_registry_store.h"
#include "app/restore/profile_file.h"
#include "app/restore/profile_snapshot.h"
#include "app/restore/win32/restore_window.h"
#include "app/restore/win32_file_store.h"
#include "tests/wine/screen_bitmap.h"

namespace kv {
namespace {

constexpr const char* kTestKey = "HKEY_CURRENT_USER\\Software\\KvRestoreWindowTest";

class FakeHost : public RestoreHost {
 public:
  explicit FakeHost(Registry& registry) : registry_(registry) {}
  std::string Text(int id) const override {
    switch (id) {
      case 153: return "Korvane 2000 Master Profile";
      case 158: return "No active profile file!";
      case 150: return "Restore all Korvane functions:";
      case 144: return "Restore an individual function setting:";
      case 810: return "Restore";
      case 815: return "Select &Profile...";
      case 816: return "&Master Profile";
      case 817: return "&Restore";
      case 818: return "&Cancel";
      case 823: return "Export as registry file\x85";
      case 826: return "Functions whose values differ: ";
      case 827: return "absent";
      case 828: return "differs";
      case 882: return "Value";
      case 883: return "In the profile";
      case 884: return "Now";
      default: return "#" + std::to_string(id);
    }
  }
  int Message(const std::string& headline, const std::string& text, int kind) override {
    messages.push_back(headline + "|" + text);
    return kind == 2 ? answer : 1;
  }
  void HelpBox(const std::string& text) override { messages.push_back("help|" + text); }
  std::string OpenProfileDialog(const std::string&, const std::string&) override { return chosenFile; }
  std::string SaveRegFileDialog(const std::string&) override { return chosenRegFile; }
  void ReturnToTool(int tool, int tab) override {
    returnedTo = tool * 100 + tab;
    if (window) window->Unload();  // as the main window does when it switches the tool
    window = nullptr;
  }
  void RaiseRestartNeed(std::int16_t level) override { raised.push_back(level); }
  void EnableMainWindow(bool enabled) override { enableCalls.push_back(enabled); }
  void PumpMessages() override {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  Registry& Reg() override { return registry_; }
  const Catalogue& Functions() const override { return catalogue; }
  FileStore& Files() override { return files; }
  std::string UndoFilePath() const override { return undoPath; }
  std::string ProgramFolder() const override { return "C:\\"; }
  std::string& CurrentProfilePath() override { return currentProfile; }

  Registry& registry_;
  Catalogue catalogue;
  Win32FileStore files;
  std::string undoPath, currentProfile, chosenFile, chosenRegFile;
  RestoreWindow* window = nullptr;
  int answer = 7;
  int returnedTo = -1;
  std::vector<std::string> messages;
  std::vector<std::int16_t> raised;
  std::vector<bool> enableCalls;
};

std::string TempFile(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

void SaveWindowPicture(HWND window, const char* file) { kv::screenshots::SaveWindowBitmap(window, file); }

class RestoreWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    registry_.RegDelete(kTestKey, "");
    host_.catalogue.FktAnzahl = 2;
    host_.catalogue.Functions.resize(4);
    Define(0, "Window animation", KindDword, "Animate", 0);
    Define(1, "Menu show delay", KindText, "MenuShowDelay", 1);
    registry_.RegWriteDword(kTestKey, "Animate", 1);
    registry_.RegWriteString(kTestKey, "MenuShowDelay", "400");
    host_.undoPath = TempFile("KORVN2K.UND");
    ASSERT_TRUE(WriteProfile(host_.files, host_.undoPath,
                             TakeSnapshot(registry_, host_.catalogue.Functions, 2, "Monday, 7. Dec 2026#14:00")));
    frame_ = CreateWindowExA(0, "STATIC", "Korvane restore test", WS_POPUP | WS_VISIBLE, 0, 0, 640, 420, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override {
    if (host_.window) host_.window->Unload();
    DestroyWindow(frame_);
    registry_.RegDelete(kTestKey, "");
    DeleteFileA(host_.undoPath.c_str());
  }

  void Define(int n, const char* caption, std::int16_t kind, const char* value, std::int16_t level) {
    FunctionRecord& f = host_.catalogue.Functions[static_cast<std::size_t>(n)];
    f.Caption = caption;
    f.Page = 1;
    f.RestartLevel = level;
    f.OnActions[0] = RegistryAction{kTestKey, value, "", kind, 0};
  }

  RestoreWindow& Open(RestoreMode mode, int function) {
    RestoreRequest request;
    request.Mode = mode;
    request.FunctionNumber = function;
    request.ReturnTool = 500;
    request.ReturnTab = 2;
    host_.window = RestoreWindow::Create(frame_, host_, request);
    EXPECT_NE(host_.window, nullptr);
    MoveWindow(host_.window->hwnd(), 0, 0, 640, 420, TRUE);
    ShowWindow(host_.window->hwnd(), SW_SHOW);
    host_.window->LoadProfile();
    host_.PumpMessages();
    return *host_.window;
  }

  void Click(int buttonId) {
    HWND button = GetDlgItem(host_.window->hwnd(), buttonId);
    ASSERT_NE(button, nullptr);
    SendMessageA(button, BM_CLICK, 0, 0);
    host_.PumpMessages();
  }

  std::string BoxText() { return ChildText(RestoreWindow::kProfileBoxId); }
  std::string ChildText(int id) {
    char text[600] = {};
    GetWindowTextA(GetDlgItem(host_.window->hwnd(), id), text, sizeof text);
    return text;
  }

  Win32RegistryStore store_;
  Registry registry_{store_};
  FakeHost host_{registry_};
  HWND frame_ = nullptr;
};

TEST_F(RestoreWindowTest, RestoresOneFunctionFromTheMasterProfile) {
  RestoreWindow& window = Open(RestoreMode::Single, 1);
  EXPECT_EQ(BoxText(), "Korvane 2000 Master Profile");
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window.hwnd(), RestoreWindow::kStartRestore)));
  registry_.RegWriteString(kTestKey, "MenuShowDelay", "0");
  registry_.RegWriteDword(kTestKey, "Animate", 0);

  Click(RestoreWindow::kStartRestore);
  EXPECT_EQ(registry_.RegReadString(kTestKey, "MenuShowDelay", ""), "400");
  EXPECT_EQ(registry_.RegReadDword(kTestKey, "Animate", 5), 0);  // another function: untouched
  ASSERT_EQ(window.Model().Lines().size(), 1u);
  EXPECT_EQ(window.Model().Lines()[0].Caption, "Menu show delay");
  EXPECT_EQ(window.Model().Lines()[0].SubText, "OK");
  EXPECT_EQ(host_.raised, (std::vector<std::int16_t>{1}));
  EXPECT_EQ(host_.enableCalls, (std::vector<bool>{false, true}));
  SaveWindowPicture(frame_, "restore_window.bmp");
}

TEST_F(RestoreWindowTest, InvalidChosenProfileHidesRestoreAndCancelGoesBack) {
  const std::string bad = TempFile("not-a-profile.prf");
  ASSERT_TRUE(ReplaceFileAtomically(host_.files, bad, {1, 2, 3, 4}));
  RestoreWindow& window = Open(RestoreMode::All, 0);
  host_.chosenFile = bad;
  Click(RestoreWindow::kChooseProfile);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "#151|#152");
  EXPECT_EQ(BoxText(), "No active profile file!");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window.hwnd(), RestoreWindow::kStartRestore)));
  SaveWindowPicture(frame_, "restore_window_no_profile.bmp");

  Click(RestoreWindow::kMasterProfile);
  EXPECT_EQ(BoxText(), "Korvane 2000 Master Profile");
  Click(RestoreWindow::kCancel);
  EXPECT_EQ(host_.returnedTo, 500 * 100 + 2);  // tool 500, tab 2
  EXPECT_EQ(host_.window, nullptr);
  DeleteFileA(bad.c_str());
}

// Before Restore the user sees which function differs and how; the same scope goes to a registry file.
TEST_F(RestoreWindowTest, PreviewShowsWhatDiffersExportWritesItAndRestoreClearsIt) {
  registry_.RegWriteString(kTestKey, "MenuShowDelay", "0");
  RestoreWindow& window = Open(RestoreMode::All, 0);
  EXPECT_EQ(ChildText(RestoreWindow::kDifferingCountId), "Functions whose values differ: 1");
  const std::string detail = ChildText(RestoreWindow::kDetailId);
  EXPECT_NE(detail.find("* MenuShowDelay\t400\t0"), std::string::npos) << detail;
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window.hwnd(), RestoreWindow::kExportRegFile)));
  SaveWindowPicture(frame_, "restore_preview.bmp");

  host_.chosenRegFile = TempFile("Team Settings");  // typed without extension
  Click(RestoreWindow::kExportRegFile);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(host_.files.ReadAll(TempFile("Team Settings.reg"), &bytes));
  const std::string reg(bytes.begin(), bytes.end());
  EXPECT_EQ(reg.rfind("REGEDIT4\r\n", 0), 0u);
  EXPECT_NE(reg.find("\"MenuShowDelay\"=\"400\"\r\n"), std::string::npos) << reg;
  EXPECT_NE(reg.find("\"Animate\"=dword:00000001\r\n"), std::string::npos) << reg;
  DeleteFileA(TempFile("Team Settings.reg").c_str());

  Click(RestoreWindow::kStartRestore);
  EXPECT_EQ(registry_.RegReadString(kTestKey, "MenuShowDelay", ""), "400");
  EXPECT_EQ(ChildText(RestoreWindow::kDifferingCountId), "Functions whose values differ: 0");
  SaveWindowPicture(frame_, "restore_preview_after.bmp");
}

}  // namespace
}  // namespace kv
