// Property-sheet frames that never call IPropertyPage::Apply (see sheet_hook.h).
#include "activex/property_page/sheet_hook.h"

#include <commctrl.h>

namespace kv::pages {
namespace {

constexpr char kHookProperty[] = "KvPropertyPageHook";
// The dialog's procedure before ours; stays when a later subclassing kept us from unhooking.
constexpr char kPreviousProperty[] = "KvPropertyPagePrevious";

}  // namespace

void SheetHook::Attach(HWND pageDialog, HWND content, ApplyFunction apply, void* context) {
  Detach();
  if (!pageDialog || GetPropA(pageDialog, kHookProperty)) return;
  dialog_ = pageDialog;
  content_ = content;
  apply_ = apply;
  context_ = context;
  SetPropA(dialog_, kHookProperty, this);
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SheetHook::DialogProc)));
  SetPropA(dialog_, kPreviousProperty, reinterpret_cast<HANDLE>(previous_));
}

void SheetHook::Detach() {
  if (!dialog_) return;
  // Only undo our own subclassing; a later one on top of ours keeps calling through us, and we
  // then pass everything on to the procedure before ours.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(dialog_, GWLP_WNDPROC)) == &SheetHook::DialogProc) {
    SetWindowLongPtrA(dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropA(dialog_, kPreviousProperty);
  }
  RemovePropA(dialog_, kHookProperty);
  dialog_ = nullptr;
  content_ = nullptr;
  sheet_ = nullptr;
}

void SheetHook::FitContent() const {
  RECT client;
  if (content_ && GetClientRect(dialog_, &client)) MoveWindow(content_, 0, 0, client.right, client.bottom, TRUE);
}

void SheetHook::Changed() const {
  if (sheet_ && dialog_) SendMessageA(sheet_, PSM_CHANGED, reinterpret_cast<WPARAM>(dialog_), 0);
}

LRESULT CALLBACK SheetHook::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* hook = static_cast<SheetHook*>(GetPropA(window, kHookProperty));
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, kPreviousProperty));
  if (!previous) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) RemovePropA(window, kPreviousProperty);
  if (!hook) return CallWindowProcA(previous, window, message, wParam, lParam);
  if (message == WM_NOTIFY && lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code == UINT(PSN_SETACTIVE)) {
      hook->sheet_ = header->hwndFrom;
      hook->FitContent();
    }
    if (header->code == UINT(PSN_APPLY)) {
      hook->sheet_ = header->hwndFrom;
      bool applied = hook->apply_(hook->context_);
      // The dialog's own procedure is bypassed here, so the result goes back directly.
      return applied ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    }
  } else if (message == WM_SIZE) {
    LRESULT result = CallWindowProcA(previous, window, message, wParam, lParam);
    hook->FitContent();
    return result;
  } else if (message == WM_NCDESTROY) {
    hook->Detach();
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace kv::pages
