// The library's own icon picker (see icon_picker.h).
#include "dialogs/win/icon_picker.h"

#include <shellapi.h>

#include <vector>

#include "dialogs/core/msg_buttons.h"
#include "dialogs/win/dialog_frame.h"
#include "dialogs/win/library_texts.h"

namespace kvdlg {

namespace {

constexpr int kWidth = 460;
constexpr int kCell = 44;
constexpr int kRows = 4;

std::string Expanded(const std::string& path) {
  char buffer[MAX_PATH * 2] = {};
  DWORD length = ExpandEnvironmentStringsA(path.c_str(), buffer, sizeof(buffer));
  return length > 0 && length <= sizeof(buffer) ? std::string(buffer) : path;
}

class IconPicker {
 public:
  IconPicker(const std::string& file, int index) : file_(file), index_(index) {}
  ~IconPicker() {
    for (HICON icon : icons_) DestroyIcon(icon);
  }
  IconPicker(const IconPicker&) = delete;
  IconPicker& operator=(const IconPicker&) = delete;

  int Run(HWND owner) {
    languageOffset_ = ReadLanguageOffset();
    LoadIcons();
    std::string title = LibraryText(kTextChangeIcon, languageOffset_);
    INT_PTR result = RunModalDialog(owner, &IconPicker::Procedure, reinterpret_cast<LPARAM>(this), title.c_str());
    return result == IDOK ? 1 : 0;
  }

  int Index() const { return index_; }

 private:
  void LoadIcons() {
    std::string path = Expanded(file_);
    UINT count = ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0);
    for (UINT i = 0; i < count && count != UINT_MAX; ++i) {
      HICON icon = nullptr;
      if (ExtractIconExA(path.c_str(), static_cast<int>(i), &icon, nullptr, 1) == 0) icon = nullptr;
      icons_.push_back(icon);
    }
  }

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<IconPicker*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) return FALSE;
    INT_PTR handled = FALSE;
    if (self->style_.HandleFrameMessage(window, message, wParam, lParam, &handled)) return handled;
    switch (message) {
      case WM_INITDIALOG: return self->OnInit(window);
      case WM_COMMAND: self->OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
      case WM_MEASUREITEM: reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kCell; return TRUE;
      case WM_DRAWITEM: self->OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return TRUE;
      default: return FALSE;
    }
  }

  BOOL OnInit(HWND window) {
    window_ = window;
    AddHeadline(window, LibraryText(kTextChangeIcon, languageOffset_), kWidth, style_);
    AddCloseImage(window, kWidth);
    int top = kBandHeight + kPadding;
    AddControl(window, "STATIC", LibraryText(kTextIconsIn, languageOffset_) + " " + file_,
               SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, kIdIconFile, kPadding, top, kWidth - 2 * kPadding, 18,
               style_.TextFont());
    top += 24;
    int listHeight = kRows * kCell + GetSystemMetrics(SM_CYHSCROLL) + 2;
    HWND list = AddControl(window, "LISTBOX", "",
                           WS_BORDER | WS_TABSTOP | WS_HSCROLL | LBS_MULTICOLUMN | LBS_OWNERDRAWFIXED | LBS_NOTIFY |
                               LBS_NOINTEGRALHEIGHT,
                           kIdIconList, kPadding, top, kWidth - 2 * kPadding, listHeight, style_.TextFont());
    SendMessageA(list, LB_SETCOLUMNWIDTH, kCell, 0);
    for (std::size_t i = 0; i < icons_.size(); ++i) SendMessageA(list, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    if (index_ >= 0 && static_cast<std::size_t>(index_) < icons_.size()) SendMessageA(list, LB_SETCURSEL, index_, 0);

    int height = top + listHeight + kPadding + kFooterHeight;
    int buttonTop = height - kFooterHeight + (kFooterHeight - kButtonHeight) / 2;
    int cancelLeft = kWidth - kPadding - kButtonWidth;
    AddControl(window, "BUTTON", LibraryText(kTextOk, languageOffset_), BS_OWNERDRAW | WS_TABSTOP, IDOK,
               cancelLeft - 8 - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight, style_.TextFont());
    AddControl(window, "BUTTON", LibraryText(kTextCancel, languageOffset_), BS_OWNERDRAW | WS_TABSTOP, IDCANCEL,
               cancelLeft, buttonTop, kButtonWidth, kButtonHeight, style_.TextFont());
    SizeAndPlace(window, GetParent(window), kWidth, height);
    SetFocus(list);
    return FALSE;
  }

  void OnCommand(int id, int code) {
    HWND list = GetDlgItem(window_, kIdIconList);
    if (id == kIdIconList && code == LBN_DBLCLK) id = IDOK;
    switch (id) {
      case IDOK: {
        LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
        if (selected == LB_ERR) break;
        index_ = static_cast<int>(selected);
        EndDialog(window_, IDOK);
        break;
      }
      case kIdCloseImage:
      case IDCANCEL: EndDialog(window_, IDCANCEL); break;
      default: break;
    }
  }

  void OnDrawItem(const DRAWITEMSTRUCT& item) {
    switch (item.CtlID) {
      case kIdCloseImage: DrawCloseImage(item); break;
      case IDOK: DrawFlatButton(item, true, style_.TextFont()); break;
      case IDCANCEL: DrawFlatButton(item, false, style_.TextFont()); break;
      case kIdIconList: DrawIconCell(item); break;
      default: break;
    }
  }

  void DrawIconCell(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    HBRUSH back = CreateSolidBrush(selected ? RGB(0xCF, 0xE0, 0xF2) : Palette::Body());
    FillRect(item.hDC, &item.rcItem, back);
    DeleteObject(back);
    if (item.itemID < icons_.size() && icons_[item.itemID] != nullptr) {
      int x = (item.rcItem.left + item.rcItem.right - 32) / 2;
      int y = (item.rcItem.top + item.rcItem.bottom - 32) / 2;
      DrawIconEx(item.hDC, x, y, icons_[item.itemID], 32, 32, 0, nullptr, DI_NORMAL);
    }
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
  }

  std::string file_;
  int index_;
  int languageOffset_ = 0;
  std::vector<HICON> icons_;
  FrameStyle style_;
  HWND window_ = nullptr;
};

}  // namespace

int PickIconFromFile(HWND owner, const std::string& file, int* index) {
  IconPicker picker(file, index != nullptr ? *index : 0);
  int result = picker.Run(owner);
  if (result == 1 && index != nullptr) *index = picker.Index();
  return result;
}

}  // namespace kvdlg
