// Standard dialog wrappers (see common_dialogs.h).
#include "dialogs/win/common_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "dialogs/core/msg_buttons.h"
#include "dialogs/core/path_rules.h"
#include "dialogs/win/icon_picker.h"
#include "app/controls/win32/system_function.h"
#include "dialogs/win/library_texts.h"

namespace kvdlg {

namespace {

constexpr int kIconBufferChars = 255;

std::string WindowsFolder() {
  char buffer[MAX_PATH] = {};
  UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  return WithTrailingBackslash(std::string(buffer, length < MAX_PATH ? length : 0));
}

std::string ShortUpperPath(const std::string& path) {
  char buffer[MAX_PATH] = {};
  DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
  std::string shortPath = length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
  return UpperCase(shortPath);
}

std::string Narrow(const wchar_t* text) {
  int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<std::size_t>(size - 1), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, &out[0], size, nullptr, nullptr);
  return out;
}

using PickIconFunction = int(WINAPI*)(HWND, wchar_t*, UINT, int*);

PickIconFunction IconPicker() {
  return kv::SystemFunction<PickIconFunction>("shell32.dll", MAKEINTRESOURCEA(62));
}

// The folder dialog's callback needs the request; one folder dialog at a time.
const FolderRequest* g_folderRequest = nullptr;
RECT g_centerOn{};
bool g_center = false;

std::string PathOfItem(LPCITEMIDLIST item, std::size_t bufferChars) {
  std::vector<char> buffer(bufferChars > MAX_PATH ? bufferChars : MAX_PATH, '\0');
  if (!SHGetPathFromIDListA(item, buffer.data())) return {};
  return CutAtNul(std::string(buffer.data(), buffer.size()));
}

constexpr UINT_PTR kReapplyOkTimer = 0x4B56;
bool g_okAllowed = true;

void CALLBACK ReapplyOkRule(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  KillTimer(dialog, timer);
  SendMessageA(dialog, BFFM_ENABLEOK, 0, g_okAllowed ? TRUE : FALSE);
}

int CALLBACK FolderCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM) {
  const FolderRequest* request = g_folderRequest;
  if (request == nullptr) return 0;
  if (message == BFFM_INITIALIZED) {
    if (!request->titleText.empty()) SetWindowTextA(dialog, request->titleText.c_str());
    if (!request->defaultPath.empty()) {
      SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(request->defaultPath.c_str()));
    }
    if (g_center) {
      RECT r{};
      GetWindowRect(dialog, &r);
      int x = (g_centerOn.left + g_centerOn.right) / 2 - (r.right - r.left) / 2;
      int y = (g_centerOn.top + g_centerOn.bottom) / 2 - (r.bottom - r.top) / 2;
      SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
  } else if (message == BFFM_SELCHANGED && !request->fileFolderSpec.empty()) {
    std::string path = PathOfItem(reinterpret_cast<LPCITEMIDLIST>(lParam), MAX_PATH);
    g_okAllowed = FolderMatchesSpec(path, request->fileFolderSpec);
    SendMessageA(dialog, BFFM_ENABLEOK, 0, g_okAllowed ? TRUE : FALSE);
    // Some shells update the OK button themselves after this notification; apply the rule once more
    // when the notification is over.
    SetTimer(dialog, kReapplyOkTimer, 0, &ReapplyOkRule);
  }
  return 0;
}

}  // namespace

std::string PickIcon(HWND owner, const std::string& iconFile, std::int32_t iconIndex) {
  IconLocation location = ParseIconLocation(iconFile, iconIndex);
  std::string file = ShortUpperPath(location.file);
  std::vector<wchar_t> buffer(kIconBufferChars + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, buffer.data(), kIconBufferChars);
  buffer[kIconBufferChars] = L'\0';
  int index = location.index;
  // The shell's picker answers 1 (chosen) or 0 (cancelled); where it is missing or cannot open
  // (a negative answer), the library's own picker takes over.
  PickIconFunction picker = IconPicker();
  int answer = picker != nullptr ? picker(owner, buffer.data(), kIconBufferChars, &index) : -1;
  if (answer < 0) answer = PickIconFromFile(owner, file, &index);
  if (answer <= 0) return {};
  std::string chosen = ExpandSystemRoot(Narrow(buffer.data()), WindowsFolder());
  return IconLocationText(chosen, index);
}

std::string ChooseFile(const FileRequest& request, std::int32_t* filterIndex) {
  FileDialogStart start = FileDialogStartFor(request.file);
  std::string names = FileNameBuffer(start.name);
  std::string filter = request.filter.empty() ? DefaultFileFilter(LibraryText(kTextAllFiles, ReadLanguageOffset()))
                                              : request.filter;
  filter += std::string(2, '\0');  // the platform's list ends with two NULs
  OPENFILENAMEA ofn{};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // NT 4.0 refuses the longer Windows 2000 record
  ofn.hwndOwner = request.owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = &names[0];
  ofn.nMaxFile = static_cast<DWORD>(names.size());
  ofn.lpstrInitialDir = start.folder.empty() ? nullptr : start.folder.c_str();
  ofn.lpstrTitle = request.title.c_str();
  BOOL chosen = FALSE;
  if (!request.save) {
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;  // 0x1804
    chosen = GetOpenFileNameA(&ofn);
  } else {
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;  // 0x804
    chosen = GetSaveFileNameA(&ofn);
    if (filterIndex != nullptr) *filterIndex = static_cast<std::int32_t>(ofn.nFilterIndex);
  }
  return chosen ? CutAtNul(names) : std::string();
}

bool ChooseColour(HWND owner, COLORREF* colour) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16 * sizeof(COLORREF));
  if (block == nullptr) return false;
  auto* custom = static_cast<COLORREF*>(GlobalLock(block));
  if (custom == nullptr) {
    GlobalFree(block);
    return false;
  }
  for (int i = 0; i < 16; ++i) custom[i] = RGB(255, 255, 255);
  CHOOSECOLORA choose{};
  choose.lStructSize = sizeof(choose);
  choose.hwndOwner = owner;
  choose.rgbResult = *colour;
  choose.lpCustColors = custom;
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;  // 3
  BOOL chosen = ChooseColorA(&choose);
  GlobalUnlock(block);
  GlobalFree(block);
  if (chosen) *colour = choose.rgbResult;
  return chosen != FALSE;
}

std::string BrowseForFolder(const FolderRequest& request) {
  if (g_folderRequest != nullptr) return {};  // one folder dialog at a time
  g_folderRequest = &request;
  g_center = false;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (request.centerOverForm && request.owner != nullptr && GetWindowPlacement(request.owner, &placement)) {
    g_centerOn = placement.rcNormalPosition;
    g_center = true;
  }
  LPITEMIDLIST root = nullptr;
  SHGetSpecialFolderLocation(request.owner, request.rootFolder, &root);
  BROWSEINFOA info{};
  info.hwndOwner = request.owner;
  info.pidlRoot = root;
  info.lpszTitle = request.title.c_str();
  info.ulFlags = request.includeFiles ? BIF_BROWSEINCLUDEFILES : BIF_RETURNONLYFSDIRS;
  if (request.editBox) info.ulFlags |= BIF_EDITBOX;
  info.lpfn = FolderCallback;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  std::string path;
  if (chosen != nullptr) {
    path = PathOfItem(chosen, MAX_PATH);
    CoTaskMemFree(chosen);
  }
  if (root != nullptr) CoTaskMemFree(root);
  g_folderRequest = nullptr;
  return path;
}

std::string SpecialFolderPath(HWND owner, int folder) {
  LPITEMIDLIST item = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, folder, &item)) || item == nullptr) return {};
  std::string path = PathOfItem(item, 255);
  CoTaskMemFree(item);
  return WithTrailingBackslash(path);
}

}  // namespace kvdlg
