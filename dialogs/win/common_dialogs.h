// Wrappers of the platform's standard dialogs with the library's fixed options and path rules:
// icon picker, file open/save, colour choice, folder browser, special-folder lookup.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace kvdlg {

// "path ,index" (bare path for index 0); empty when cancelled. Uses the shell's picker, or the
// library's own where the shell's is missing or cannot open.
std::string PickIcon(HWND owner, const std::string& iconFile, std::int32_t iconIndex);

struct FileRequest {
  HWND owner = nullptr;
  std::string title;
  std::string file;    // initial full path or empty
  bool save = false;   // Keyword other than 0
  std::string filter;  // "desc\0pattern\0..." or empty for the default
};
// The chosen full path, empty when cancelled; filterIndex receives the chosen filter after a save dialog.
std::string ChooseFile(const FileRequest& request, std::int32_t* filterIndex);

// True when a colour was chosen (then stored in colour); colour unchanged when cancelled.
bool ChooseColour(HWND owner, COLORREF* colour);

struct FolderRequest {
  HWND owner = nullptr;
  std::string title;        // instruction text inside the dialog
  std::string titleText;    // window title, empty keeps the platform's
  std::string defaultPath;  // selected at start
  int rootFolder = 0;       // special-folder number of the root
  bool centerOverForm = false;
  bool includeFiles = false;
  bool editBox = false;
  std::string fileFolderSpec;  // prefix pattern that enables OK
};
std::string BrowseForFolder(const FolderRequest& request);

// The special folder's path with a trailing backslash; empty when the folder does not exist.
std::string SpecialFolderPath(HWND owner, int folder);

}  // namespace kvdlg
