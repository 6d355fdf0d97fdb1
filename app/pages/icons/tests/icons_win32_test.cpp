// The Icons page's system calls under Windows: short upper-case paths (also for a missing file or a
// bare name), drawing an icon into the scratch picture (a real icon, a missing file, an index past
// the file's icons) and the cache file's deletion (also read-only, also when absent).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/pages/icons/win32/icon_scratch_picture.h"
#include "app/pages/icons/win32/shell_icon_platform.h"

namespace kv {
namespace {

std::string SystemFolder() {
  char buffer[MAX_PATH] = {};
  GetSystemDirectoryA(buffer, MAX_PATH);
  return std::string(buffer) + "\\";
}

std::string TempFile(const char* name) {
  char buffer[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, buffer);
  return std::string(buffer) + name;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(IconsWin32Test, ShortPathIsUpperCaseAndKeepsNamesWithoutShortForm) {
  const std::string shell = SystemFolder() + "shell32.dll";
  const std::string shortForm = ShortUpperPath(shell);
  EXPECT_EQ(shortForm.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << shortForm;
  EXPECT_TRUE(Exists(shortForm)) << shortForm;
  // No short form to be had: the text as given, in upper case (never empty, so the dialog and the
  // drawing still name the file the value holds).
  EXPECT_EQ(ShortUpperPath("C:\\no such folder\\missing icons.dll"), "C:\\NO SUCH FOLDER\\MISSING ICONS.DLL");
  EXPECT_EQ(ShortUpperPath("shell32.dll"), "SHELL32.DLL");
  EXPECT_EQ(ShortUpperPath("c:\\\xe4rger.ico"), "C:\\\xc4RGER.ICO");  // code page 1252 letters too
  EXPECT_EQ(ShortUpperPath(""), "");
}

TEST(IconsWin32Test, ScratchPictureDrawsOnlyRealIcons) {
  IconScratchPicture picture;
  ASSERT_NE(picture.Bitmap(), nullptr);
  BITMAP info{};
  GetObjectA(picture.Bitmap(), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, kScratchPictureSize);
  EXPECT_EQ(info.bmHeight, kScratchPictureSize);
  EXPECT_EQ(picture.Pixel(16, 16), kScratchMaskColour);

  ASSERT_TRUE(picture.Draw(ShortUpperPath(SystemFolder() + "shell32.dll"), 3));
  int painted = 0;
  for (int y = 0; y < kScratchPictureSize; ++y)
    for (int x = 0; x < kScratchPictureSize; ++x) painted += picture.Pixel(x, y) != kScratchMaskColour;
  EXPECT_GT(painted, 50);
  // A bare name is found along the search path, as the shell finds it.
  picture.Clear();
  EXPECT_TRUE(picture.Draw("SHELL32.DLL", 0));

  picture.Clear();
  EXPECT_FALSE(picture.Draw("C:\\NO SUCH FOLDER\\MISSING.DLL", 0));
  EXPECT_FALSE(picture.Draw(SystemFolder() + "shell32.dll", 100000));
  EXPECT_FALSE(picture.Draw("", 0));
  EXPECT_FALSE(picture.Draw(std::string(300, 'A'), 0));
  EXPECT_EQ(picture.Pixel(16, 16), kScratchMaskColour);  // failed draws leave the cleared picture
}

TEST(IconsWin32Test, CacheFileDeletedEvenReadOnlyAndAbsentIsNoFault) {
  const std::string cache = TempFile("ShellIconCache");
  HANDLE file = CreateFileA(cache.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  SetFileAttributesA(cache.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  Win32IconCacheShell shell;
  shell.DeleteFileIfPresent(cache);
  EXPECT_FALSE(Exists(cache));
  shell.DeleteFileIfPresent(cache);  // nothing there: nothing happens
  EXPECT_FALSE(Exists(cache));
}

}  // namespace
}  // namespace kv
