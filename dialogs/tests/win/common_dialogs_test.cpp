// The wrappers of the platform's standard dialogs, driven under Wine: start folder and shown name
// of the file dialog, colour dialog cancel, icon picker result forms, folder dialog title, OK rule
// and centring, and the special-folder lookup.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include <cctype>

#include "dialog_driver.h"
#include "dialogs/core/path_rules.h"
#include "dialogs/win/common_dialogs.h"
#include "dialogs/win/icon_picker.h"

namespace kvdlg {
namespace {

using test::DialogDriver;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string WindowsFolder() {
  char buffer[MAX_PATH] = {};
  GetWindowsDirectoryA(buffer, MAX_PATH);
  return buffer;
}

std::string SystemFolder() {
  char buffer[MAX_PATH] = {};
  GetSystemDirectoryA(buffer, MAX_PATH);
  return buffer;
}

std::string FileDialogFolder(HWND dialog) {
  char buffer[MAX_PATH] = {};
  SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

std::string FileDialogName(HWND dialog) {
  char buffer[MAX_PATH] = {};
  SendMessageA(dialog, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

TEST(FileDialog, UpperCaseNameStartsInItsFolderRecased) {
  std::string folder, name;
  FileRequest request;
  request.title = "KvDlg file test";
  request.file = WindowsFolder() + "\\SETUP.BMP";
  {
    DialogDriver driver(
        [&](HWND dialog) {
          folder = FileDialogFolder(dialog);
          name = FileDialogName(dialog);
          PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        "KvDlg file test");
    EXPECT_EQ(ChooseFile(request, nullptr), "");
    EXPECT_TRUE(driver.Acted());
  }
  EXPECT_EQ(Lower(folder), Lower(WindowsFolder()));
  EXPECT_EQ(name, "Setup.bmp");

  request.file = "";
  DialogDriver driver(
      [&](HWND dialog) {
        folder = FileDialogFolder(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      },
      "KvDlg file test");
  ChooseFile(request, nullptr);
  EXPECT_EQ(Lower(folder), "c:\\");
}

TEST(FileDialog, SaveReturnsThePathAndTheFilterNumber) {
  FileRequest request;
  request.title = "KvDlg save test";
  request.save = true;
  request.filter = std::string("Text\0*.txt\0Alle\0*.*\0", 21);
  std::string target = WindowsFolder() + "\\temp\\kvdlg-save.txt";
  DialogDriver driver(
      [&](HWND dialog) {
        SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(target.c_str()));
        SendMessageA(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(target.c_str()));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      },
      "KvDlg save test");
  std::int32_t filter = -1;
  EXPECT_EQ(Lower(ChooseFile(request, &filter)), Lower(target));
  EXPECT_EQ(filter, 1);
  EXPECT_FALSE(driver.Forced());
}

TEST(ColourDialog, CancelKeepsTheColourAndOkReturnsIt) {
  COLORREF colour = RGB(0x12, 0x34, 0x56);
  {
    DialogDriver driver([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }, "Color");
    EXPECT_FALSE(ChooseColour(nullptr, &colour));
    EXPECT_TRUE(driver.Acted());
  }
  EXPECT_EQ(colour, RGB(0x12, 0x34, 0x56));
  DialogDriver driver([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); }, "Color");
  EXPECT_TRUE(ChooseColour(nullptr, &colour));
  EXPECT_EQ(colour, RGB(0x12, 0x34, 0x56));
}

TEST(IconDialog, ResultIsUpperCasePathWithIndexOrBarePath) {
  // Wine's shell has no working picker, so this drives the library's own one (English caption).
  test::SetLanguage(1);
  std::string file = SystemFolder() + "\\shell32.dll";
  LRESULT preselected = -1;
  {
    DialogDriver driver(
        [&](HWND dialog) {
          preselected = SendDlgItemMessageA(dialog, kIdIconList, LB_GETCURSEL, 0, 0);
          test::SaveScreenshot("iconpicker-english");
          PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        },
        "Change Icon");
    EXPECT_EQ(PickIcon(nullptr, file + " ,3", 0), UpperCase(file) + " ,3");
    EXPECT_TRUE(driver.Acted());
  }
  EXPECT_EQ(preselected, 3);
  {
    DialogDriver driver(
        [](HWND dialog) {
          SendDlgItemMessageA(dialog, kIdIconList, LB_SETCURSEL, 0, 0);
          PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        },
        "Change Icon");
    EXPECT_EQ(PickIcon(nullptr, file + " ,7", 0), UpperCase(file));
  }
  {
    DialogDriver driver([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }, "Change Icon");
    EXPECT_EQ(PickIcon(nullptr, file, 2), "");
    EXPECT_TRUE(driver.Acted());
  }
  test::SetLanguage(0);
}

TEST(FolderDialog, TitleOkRuleAndCentring) {
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 100, 600, 500, nullptr, nullptr,
                               nullptr, nullptr);
  FolderRequest request;
  request.owner = owner;
  request.title = "Choose a folder";
  request.titleText = "KvDlg folder test";
  request.defaultPath = WindowsFolder();
  request.rootFolder = CSIDL_DRIVES;
  request.centerOverForm = true;
  request.fileFolderSpec = "C:\\";
  bool okEnabled = false;
  RECT placed{};
  {
    DialogDriver driver(
        [&](HWND dialog) {
          okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
          placed = test::WindowRectOf(dialog);
          PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        },
        "KvDlg folder test");
    EXPECT_EQ(Lower(BrowseForFolder(request)), Lower(WindowsFolder()));
    EXPECT_TRUE(driver.Acted());
  }
  EXPECT_TRUE(okEnabled);
  EXPECT_NEAR((placed.left + placed.right) / 2, 400, 1);
  EXPECT_NEAR((placed.top + placed.bottom) / 2, 350, 1);

  request.fileFolderSpec = "D:\\";
  DialogDriver driver(
      [&](HWND dialog) {
        okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      },
      "KvDlg folder test");
  EXPECT_EQ(BrowseForFolder(request), "");
  EXPECT_FALSE(okEnabled);
  DestroyWindow(owner);
}

TEST(SpecialFolder, PathEndsWithBackslashOrIsEmpty) {
  std::string profile = SpecialFolderPath(nullptr, CSIDL_PROFILE);
  ASSERT_FALSE(profile.empty());
  EXPECT_EQ(profile.back(), '\\');
  EXPECT_EQ(Lower(profile).rfind("c:\\users\\", 0), 0u);
  EXPECT_EQ(SpecialFolderPath(nullptr, CSIDL_DRIVES), "");
  EXPECT_EQ(SpecialFolderPath(nullptr, 0x7fff), "");
}

}  // namespace
}  // namespace kvdlg
