// The library's C entry points for our own programs (see include/korvndlg.h).
#include "dialogs/include/korvndlg.h"

#include <objbase.h>

#include <cstring>
#include <string>

#include "dialogs/win/common_dialogs.h"
#include "dialogs/win/help_box.h"
#include "dialogs/win/message_dialog.h"

namespace {

std::string Text(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

char* Give(const std::string& text) {
  auto* out = static_cast<char*>(CoTaskMemAlloc(text.size() + 1));
  if (out != nullptr) std::memcpy(out, text.c_str(), text.size() + 1);
  return out;
}

HWND Owner(HWND owner) { return owner != nullptr && IsWindow(owner) ? owner : nullptr; }

}  // namespace

extern "C" int WINAPI KvDlgMsgDlg(const char* headline, const char* message, int fadeOut, HWND owner, int button) {
  kvdlg::MessageRequest request;
  request.headline = Text(headline);
  request.message = Text(message);
  request.fadeOut = fadeOut != 0;
  request.owner = Owner(owner);
  request.button = button;
  return kvdlg::ShowMessageDialog(request);
}

extern "C" int WINAPI KvDlgHlpBox(const char* message, int fadeOut, HWND owner, const char* checkText,
                                  const char* headlineText) {
  kvdlg::HelpRequest request;
  request.message = Text(message);
  request.fadeOut = fadeOut != 0;
  request.owner = Owner(owner);
  request.checkText = Text(checkText);
  request.headlineText = Text(headlineText);
  return kvdlg::ShowHelpBox(request);
}

extern "C" char* WINAPI KvDlgIconDlg(HWND owner, const char* iconFile, int iconIndex) {
  return Give(kvdlg::PickIcon(Owner(owner), Text(iconFile), iconIndex));
}

extern "C" char* WINAPI KvDlgFileDlg(HWND owner, const char* title, const char* file, int keyword, const char* filter,
                                     int filterLength, int* retExt) {
  kvdlg::FileRequest request;
  request.owner = Owner(owner);
  request.title = Text(title);
  request.file = Text(file);
  request.save = keyword != 0;
  if (filter != nullptr && filterLength > 0) request.filter.assign(filter, static_cast<std::size_t>(filterLength));
  std::int32_t chosenFilter = 0;
  std::string path = kvdlg::ChooseFile(request, &chosenFilter);
  if (retExt != nullptr && request.save) *retExt = chosenFilter;
  return Give(path);
}

extern "C" int WINAPI KvDlgColorDlg(HWND owner, unsigned long* color) {
  if (color == nullptr) return 0;
  COLORREF colour = static_cast<COLORREF>(*color);
  if (!kvdlg::ChooseColour(Owner(owner), &colour)) return 0;
  *color = colour;
  return -1;
}

extern "C" char* WINAPI KvDlgSHFolderDlg(HWND owner, const char* title, const char* titleText,
                                         const char* defaultPath, int rootFolder, int centerOverForm,
                                         int includeFiles, int editBox, const char* fileFldrSpec) {
  kvdlg::FolderRequest request;
  request.owner = Owner(owner);
  request.title = Text(title);
  request.titleText = Text(titleText);
  request.defaultPath = Text(defaultPath);
  request.rootFolder = rootFolder;
  request.centerOverForm = centerOverForm != 0;
  request.includeFiles = includeFiles != 0;
  request.editBox = editBox != 0;
  request.fileFolderSpec = Text(fileFldrSpec);
  return Give(kvdlg::BrowseForFolder(request));
}

extern "C" char* WINAPI KvDlgGetSpecialFolder(HWND owner, int rootFolder) {
  return Give(kvdlg::SpecialFolderPath(Owner(owner), rootFolder));
}
