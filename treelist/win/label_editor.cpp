// In-place edit box for node labels, subclassed for Enter, Escape and focus loss.
#include "treelist/win/label_editor.h"

namespace kv::tree {

bool LabelEditor::Open(HWND parent, const RECT& rect, HFONT font, Index node, const std::wstring& text, Finished done) {
  End(false);
  edit_ = CreateWindowExW(0, L"EDIT", text.c_str(), WS_CHILD | WS_BORDER | WS_VISIBLE | ES_AUTOHSCROLL, rect.left,
                          rect.top, rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                          reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (!edit_) return false;
  node_ = node;
  done_ = std::move(done);
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // Classic subclassing (SetWindowSubclass needs a newer comctl32 than NT 4 has).
  SetWindowLongPtrW(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  editDefault_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelEditor::EditProc)));
  SendMessageW(edit_, EM_SETSEL, 0, -1);
  SetFocus(edit_);
  return true;
}

std::wstring LabelEditor::Text() const {
  if (!edit_) return {};
  int length = GetWindowTextLengthW(edit_);
  std::wstring text(size_t(length) + 1, L'\0');
  int got = GetWindowTextW(edit_, &text[0], length + 1);
  text.resize(size_t(got > 0 ? got : 0));
  return text;
}

void LabelEditor::End(bool store) {
  if (!edit_) return;
  std::wstring text = Text();
  Index node = node_;
  Finished done = std::move(done_);
  Close();
  if (done) done(node, store, text);
}

void LabelEditor::Close() {
  HWND edit = edit_;
  edit_ = nullptr;
  node_ = -1;
  if (edit) {
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editDefault_));
    SetWindowLongPtrW(edit, GWLP_USERDATA, 0);
    DestroyWindow(edit);
  }
}

LRESULT CALLBACK LabelEditor::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LabelEditor* editor = reinterpret_cast<LabelEditor*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!editor) return DefWindowProcW(hwnd, message, wParam, lParam);
  auto standard = [&] { return CallWindowProcW(editor->editDefault_, hwnd, message, wParam, lParam); };
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | standard();
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        editor->End(true);
        return 0;
      }
      if (wParam == VK_ESCAPE) {
        editor->End(false);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r' || wParam == 27) return 0;
      break;
    case WM_KILLFOCUS:
      editor->End(true);
      return 0;
    default:
      break;
  }
  return standard();
}

}  // namespace kv::tree
