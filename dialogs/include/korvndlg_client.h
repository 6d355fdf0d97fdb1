// korvndlg_client.h: header-only C++ access to korvndlg.dll for Korvane 2000's own programs.
//
//   #include "dialogs/include/korvndlg_client.h"
//   kvdlg::DialogClient dialogs;                        // loads korvndlg.dll (next to the program,
//                                                       // else the library search path)
//   if (dialogs.MsgDlg("Korvane 2000", "Really?|Sure?", fade, mainWindow, 2) == 6) { ... }
//   int off = dialogs.HlpBox("Heading#Body text", fade, mainWindow, hintText, "");
//   std::string icon = dialogs.IconDlg(mainWindow, "C:\\WINNT\\SYSTEM32\\SHELL32.DLL ,3", 0);
//   std::string file = dialogs.FileDlg(mainWindow, "Open", "", 0, "", &filterNumber);
//   unsigned long colour = 0xFF; bool chosen = dialogs.ColorDlg(mainWindow, &colour);
//   std::string folder = dialogs.SHFolderDlg(mainWindow, "Choose", "", "C:\\", 17, true, false, false, "");
//   std::string desktop = dialogs.GetSpecialFolder(mainWindow, 0x10);
//
// Only plain C types cross the boundary (see korvndlg.h); texts coming back are freed here.
// When the DLL or one of its functions is missing, Loaded() is false and calls return
// 2 (MsgDlg), 0 (HlpBox), false (ColorDlg) or an empty text.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <string>

#include "app/controls/win32/program_folder.h"
#include "dialogs/include/korvndlg.h"

namespace kvdlg {

class DialogClient {
 public:
  explicit DialogClient(const char* path = nullptr) {
    module_ = path != nullptr ? LoadLibraryA(path) : kv::LoadProgramFolderLibrary(L"korvndlg.dll");
    if (module_ == nullptr) return;
    Bind("KvDlgMsgDlg", msgDlg_);
    Bind("KvDlgHlpBox", hlpBox_);
    Bind("KvDlgIconDlg", iconDlg_);
    Bind("KvDlgFileDlg", fileDlg_);
    Bind("KvDlgColorDlg", colorDlg_);
    Bind("KvDlgSHFolderDlg", folderDlg_);
    Bind("KvDlgGetSpecialFolder", specialFolder_);
  }
  ~DialogClient() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  DialogClient(const DialogClient&) = delete;
  DialogClient& operator=(const DialogClient&) = delete;

  bool Loaded() const { return msgDlg_ != nullptr && specialFolder_ != nullptr; }

  int MsgDlg(const std::string& headline, const std::string& message, bool fadeOut, HWND owner, int button) {
    return msgDlg_ ? msgDlg_(headline.c_str(), message.c_str(), fadeOut ? 1 : 0, owner, button) : 2;
  }
  int HlpBox(const std::string& message, bool fadeOut, HWND owner, const std::string& checkText,
             const std::string& headlineText) {
    return hlpBox_ ? hlpBox_(message.c_str(), fadeOut ? 1 : 0, owner, checkText.c_str(), headlineText.c_str()) : 0;
  }
  std::string IconDlg(HWND owner, const std::string& iconFile, int iconIndex) {
    return iconDlg_ ? Take(iconDlg_(owner, iconFile.c_str(), iconIndex)) : std::string();
  }
  // keyword 0 open, other save; filter in the platform's "desc\0pattern\0" form (may hold NULs).
  std::string FileDlg(HWND owner, const std::string& title, const std::string& file, int keyword,
                      const std::string& filter, int* retExt) {
    if (!fileDlg_) return {};
    return Take(fileDlg_(owner, title.c_str(), file.c_str(), keyword, filter.data(), static_cast<int>(filter.size()),
                         retExt));
  }
  bool ColorDlg(HWND owner, unsigned long* colour) { return colorDlg_ ? colorDlg_(owner, colour) != 0 : false; }
  std::string SHFolderDlg(HWND owner, const std::string& title, const std::string& titleText,
                          const std::string& defaultPath, int rootFolder, bool centerOverForm, bool includeFiles,
                          bool editBox, const std::string& fileFldrSpec) {
    if (!folderDlg_) return {};
    return Take(folderDlg_(owner, title.c_str(), titleText.c_str(), defaultPath.c_str(), rootFolder,
                           centerOverForm ? 1 : 0, includeFiles ? 1 : 0, editBox ? 1 : 0, fileFldrSpec.c_str()));
  }
  std::string GetSpecialFolder(HWND owner, int rootFolder) {
    return specialFolder_ ? Take(specialFolder_(owner, rootFolder)) : std::string();
  }

 private:
  template <typename F>
  void Bind(const char* name, F& target) {
    target = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  static std::string Take(char* text) {
    if (text == nullptr) return {};
    std::string s(text);
    CoTaskMemFree(text);
    return s;
  }

  HMODULE module_ = nullptr;
  decltype(&KvDlgMsgDlg) msgDlg_ = nullptr;
  decltype(&KvDlgHlpBox) hlpBox_ = nullptr;
  decltype(&KvDlgIconDlg) iconDlg_ = nullptr;
  decltype(&KvDlgFileDlg) fileDlg_ = nullptr;
  decltype(&KvDlgColorDlg) colorDlg_ = nullptr;
  decltype(&KvDlgSHFolderDlg) folderDlg_ = nullptr;
  decltype(&KvDlgGetSpecialFolder) specialFolder_ = nullptr;
};

}  // namespace kvdlg
