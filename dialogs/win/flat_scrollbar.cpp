// Flat scroll bar control (see flat_scrollbar.h).
#include "dialogs/win/flat_scrollbar.h"

#include "app/controls/win32/system_function.h"
#include "dialogs/win/library_texts.h"

namespace kvdlg {

namespace {

constexpr char kClassName[] = "KvFlatScrollBar";
constexpr int kHorizontalStyleProp = 0x200;  // WSB_PROP_HSTYLE
constexpr int kVerticalStyleProp = 0x100;    // WSB_PROP_VSTYLE

bool g_flatHidden = false;

// The flat functions of COMCTL32, reached by name so a platform without them still works.
struct FlatFunctions {
  BOOL(WINAPI* initialize)(HWND) = nullptr;
  HRESULT(WINAPI* uninitialize)(HWND) = nullptr;
  int(WINAPI* setInfo)(HWND, int, LPSCROLLINFO, BOOL) = nullptr;
  BOOL(WINAPI* getInfo)(HWND, int, LPSCROLLINFO) = nullptr;
  BOOL(WINAPI* enable)(HWND, UINT, UINT) = nullptr;
  BOOL(WINAPI* setProp)(HWND, UINT, INT_PTR, BOOL) = nullptr;

  static const FlatFunctions& Get() {
    static FlatFunctions functions = Load();
    static FlatFunctions none;
    return g_flatHidden ? none : functions;
  }

 private:
  template <typename F>
  static void Bind(HMODULE module, const char* name, F& target) {
    target = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }
  static FlatFunctions Load() {
    FlatFunctions f;
    HMODULE module = kv::SystemLibrary("comctl32.dll");
    if (module == nullptr) return f;
    Bind(module, "InitializeFlatSB", f.initialize);
    Bind(module, "UninitializeFlatSB", f.uninitialize);
    Bind(module, "FlatSB_SetScrollInfo", f.setInfo);
    Bind(module, "FlatSB_GetScrollInfo", f.getInfo);
    Bind(module, "FlatSB_EnableScrollBar", f.enable);
    Bind(module, "FlatSB_SetScrollProp", f.setProp);
    return f;
  }
};

}  // namespace

void FlatScrollBar::SetFlatFunctionsHiddenForTesting(bool hidden) { g_flatHidden = hidden; }

FlatScrollBar::FlatScrollBar() { canBeFlat_ = FlatFunctions::Get().initialize != nullptr; }

FlatScrollBar::~FlatScrollBar() { Destroy(); }

bool FlatScrollBar::Create(HWND parent, int id, int x, int y, int width, int height) {
  Destroy();
  RegisterLibraryClass(kClassName, DefWindowProcA, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  DWORD bars = ScrollStyleBits(BarKindFor(orientation_));
  window_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | bars, x, y, width, height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), LibraryModule(), nullptr);
  if (window_ == nullptr) return false;
  AttachMessage(this, window_, WM_HSCROLL);
  AttachMessage(this, window_, WM_VSCROLL);
  SetUpWindow();
  return true;
}

void FlatScrollBar::Destroy() {
  if (window_ == nullptr) return;
  const FlatFunctions& flat = FlatFunctions::Get();
  if (flatInitialised_ && flat.uninitialize != nullptr) flat.uninitialize(window_);
  flatInitialised_ = false;
  DetachMessage(this, window_, WM_HSCROLL);
  DetachMessage(this, window_, WM_VSCROLL);
  DestroyWindow(window_);
  window_ = nullptr;
}

void FlatScrollBar::SetUpWindow() {
  if (window_ == nullptr) return;
  LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL);
  style |= static_cast<LONG_PTR>(ScrollStyleBits(BarKindFor(orientation_)));
  SetWindowLongPtrA(window_, GWL_STYLE, style);
  SetParent(window_, GetParent(window_));
  SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  const FlatFunctions& flat = FlatFunctions::Get();
  canBeFlat_ = flat.initialize != nullptr;
  if (canBeFlat_ && !flatInitialised_) flatInitialised_ = flat.initialize(window_) != FALSE;
  ApplyRange();
  ApplyPosition();
  ApplyStyle();
  ApplyEnabled();
}

void FlatScrollBar::SetOrientation(std::int32_t orientation) {
  if (orientation == orientation_) return;
  bool wasVertical = BarKindFor(orientation_) == BarKind::Vertical;
  orientation_ = orientation;
  if (window_ == nullptr) return;
  // Keep the bar's thickness when it turns between horizontal and vertical.
  bool isVertical = BarKindFor(orientation_) == BarKind::Vertical;
  if (wasVertical != isVertical && BarKindFor(orientation_) != BarKind::Both) {
    RECT r{};
    GetWindowRect(window_, &r);
    SetWindowPos(window_, nullptr, 0, 0, r.bottom - r.top, r.right - r.left, SWP_NOMOVE | SWP_NOZORDER);
  }
  SetUpWindow();
}

void FlatScrollBar::SetMin(std::int32_t value) {
  model_.min = value;
  ApplyRange();
}

void FlatScrollBar::SetMax(std::int32_t value) {
  model_.max = value;
  ApplyRange();
}

void FlatScrollBar::SetLargeChange(std::int32_t value) {
  if (value == model_.largeChange) return;
  model_.largeChange = value;
  ApplyRange();
}

void FlatScrollBar::SetValue(std::int32_t value) {
  if (value == model_.value) return;
  model_.value = value;
  ApplyPosition();
  RaiseChange();
}

void FlatScrollBar::SetStyle(std::int32_t style) {
  if (style == style_) return;
  if (style != 0 && !canBeFlat_) return;
  style_ = style;
  ApplyStyle();
}

void FlatScrollBar::SetEnabled(bool enabled) {
  enabled_ = enabled;
  ApplyEnabled();
}

void FlatScrollBar::ApplyRange() {
  if (window_ == nullptr) return;
  PlatformRange range = model_.Range();
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMin = range.min;
  info.nMax = range.max;
  info.nPage = static_cast<UINT>(range.page);
  SetInfo(&info);
}

void FlatScrollBar::SetInfo(SCROLLINFO* info) {
  const FlatFunctions& flat = FlatFunctions::Get();
  if (flatInitialised_ && flat.setInfo != nullptr) {
    flat.setInfo(window_, ActiveBar(), info, TRUE);
  } else {
    SetScrollInfo(window_, ActiveBar(), info, TRUE);
  }
}

void FlatScrollBar::ApplyPosition() {
  if (window_ == nullptr) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS;
  info.nPos = model_.value;
  SetInfo(&info);
}

void FlatScrollBar::ApplyEnabled() {
  if (window_ == nullptr) return;
  UINT arrows = enabled_ ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
  const FlatFunctions& flat = FlatFunctions::Get();
  if (flatInitialised_ && flat.enable != nullptr) {
    flat.enable(window_, static_cast<UINT>(ActiveBar()), arrows);
  } else {
    EnableScrollBar(window_, static_cast<UINT>(ActiveBar()), arrows);
  }
}

void FlatScrollBar::ApplyStyle() {
  const FlatFunctions& flat = FlatFunctions::Get();
  if (window_ == nullptr || !flatInitialised_ || flat.setProp == nullptr) return;
  BarKind kind = BarKindFor(orientation_);
  if (kind != BarKind::Vertical) flat.setProp(window_, kHorizontalStyleProp, style_, TRUE);
  if (kind != BarKind::Horizontal) flat.setProp(window_, kVerticalStyleProp, style_, TRUE);
}

int FlatScrollBar::TrackPosition(int bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_TRACKPOS;
  const FlatFunctions& flat = FlatFunctions::Get();
  if (flatInitialised_ && flat.getInfo != nullptr) {
    flat.getInfo(window_, bar, &info);
  } else {
    GetScrollInfo(window_, bar, &info);
  }
  return info.nTrackPos;
}

void FlatScrollBar::RaiseChange() {
  if (onChange_) onChange_();
}

std::int32_t FlatScrollBar::MsgResponse(UINT) { return 0; }  // scroll messages end here

LRESULT FlatScrollBar::WindowProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  auto code = static_cast<ScrollCode>(LOWORD(wParam));
  int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
  int track = code == ScrollCode::ThumbTrack ? TrackPosition(bar) : 0;
  ScrollOutcome outcome = model_.OnScroll(code, track);
  bool changed = false;
  if (outcome.setValue && outcome.newValue != model_.value) {
    model_.value = outcome.newValue;
    ApplyPosition();
    changed = true;
  }
  // A dragged thumb sets Value like any other step, so a client listening only for changes follows
  // the drag; the scroll event comes after it.
  if (changed || outcome.raiseChange) RaiseChange();
  if (outcome.raiseScroll && onScroll_) onScroll_();
  return 0;
}

}  // namespace kvdlg
