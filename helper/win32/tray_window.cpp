// The resident helper's hidden window and tray icon (see tray_window.h).
#include "helper/win32/tray_window.h"

#include <shellapi.h>

#include <cstring>

#include "app/controls/win32/system_function.h"
#include "helper/win32/program_start.h"

namespace kv::helper {

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT_PTR kKeepAliveTimer = 2;
constexpr int kProgramIcon = 1;  // ICON resource of korvnst.exe

// Form1's place and size in twips: just off the screen's top-left corner. It is never shown.
constexpr int kLeftTwips = -10;
constexpr int kTopTwips = -10;
constexpr int kSizeTwips = 10;

int TwipsToPixels(int twips) {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return MulDiv(twips, dpi > 0 ? dpi : 96, 1440);
}

bool NotifyIcon(DWORD command, NOTIFYICONDATAA* data) {
  using NotifyFn = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
  const auto notify = SystemFunction<NotifyFn>("shell32.dll", "Shell_NotifyIconA");
  return notify && notify(command, data) != FALSE;
}

// The platform's notification record in its first (88-byte on 32-bit Windows) form.
NOTIFYICONDATAA IconRecord(HWND hwnd) {
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = hwnd;
  data.uID = kTrayIconId;
  return data;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

TrayWindow::TrayWindow(HINSTANCE instance) : instance_(instance) {}

TrayWindow::~TrayWindow() {
  if (hwnd_) {
    // Still there only when the loop never ran: detached first, so no rule runs during the teardown.
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (icon_) DestroyIcon(icon_);
}

bool TrayWindow::Create(ResidentHelper& helper) {
  helper_ = &helper;
  WNDCLASSA wc = {};
  if (!GetClassInfoA(instance_, kResidentWindowClass, &wc)) {
    wc.lpfnWndProc = &TrayWindow::WindowProc;
    wc.hInstance = instance_;
    wc.lpszClassName = kResidentWindowClass;
    RegisterClassA(&wc);
  }
  icon_ = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(kProgramIcon), IMAGE_ICON,
                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  const int size = TwipsToPixels(kSizeTwips);
  // A tool window: no taskbar button, whatever happens to it.
  CreateWindowExA(WS_EX_TOOLWINDOW, kResidentWindowClass, kResidentWindowTitle, WS_POPUP,
                  TwipsToPixels(kLeftTwips), TwipsToPixels(kTopTwips), size, size, nullptr, nullptr, instance_,
                  this);
  if (!hwnd_) return false;
  SetTimer(hwnd_, kPollTimer, kPollIntervalMs, nullptr);
  SetTimer(hwnd_, kKeepAliveTimer, kKeepAliveIntervalMs, nullptr);
  return true;
}

void TrayWindow::RunMessageLoop() {
  MSG msg;
  while (hwnd_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool TrayWindow::AddIcon(const std::string& tip) {
  NOTIFYICONDATAA data = IconRecord(hwnd_);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon_ ? icon_ : LoadIcon(nullptr, IDI_APPLICATION);
  // The first record form reads only the first 64 bytes of the tip field.
  std::memcpy(data.szTip, tip.c_str(), tip.size() < kTrayTipCapacity ? tip.size() : kTrayTipCapacity - 1);
  // A busy shell may report a failed add that it did carry out: then the icon can be changed.
  return NotifyIcon(NIM_ADD, &data) || NotifyIcon(NIM_MODIFY, &data);
}

void TrayWindow::RemoveIcon() {
  NOTIFYICONDATAA data = IconRecord(hwnd_);
  NotifyIcon(NIM_DELETE, &data);
}

bool TrayWindow::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void TrayWindow::StartProgram(const std::string& path) {
  // The path is given as the program file and quoted in the command line: a folder with blanks
  // must not be split into another program's name.
  StartProgramNormal("\"" + path + "\"", path, FolderOf(path));
}

int TrayWindow::TrackMenu(const std::vector<TrayMenuEntry>& entries) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return kMenuNone;
  for (const TrayMenuEntry& e : entries) {
    if (e.Separator) {
      AppendMenuA(menu, MF_SEPARATOR, static_cast<UINT_PTR>(e.Id), nullptr);
    } else {
      AppendMenuA(menu, MF_STRING | (e.Enabled ? MF_ENABLED : MF_GRAYED), static_cast<UINT_PTR>(e.Id), e.Text.c_str());
    }
  }
  // The owner in the foreground makes the menu close when the user clicks elsewhere. The window itself
  // stays hidden: shown, it would get a taskbar button for as long as the menu is open.
  SetForegroundWindow(hwnd_);
  POINT cursor = {};
  GetCursorPos(&cursor);
  const int choice = static_cast<int>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, hwnd_, nullptr));
  DestroyMenu(menu);
  // Lets the menu's owner lose the foreground properly, so the next right click opens the menu again.
  PostMessageA(hwnd_, WM_NULL, 0, 0);
  return choice;
}

void TrayWindow::End() {
  if (hwnd_ && !destroying_) DestroyWindow(hwnd_);
}

void TrayWindow::OnTimer(UINT_PTR timer) {
  if (timer == kPollTimer) {
    helper_->OnPoll();
  } else if (timer == kKeepAliveTimer && tree_) {
    KeepAliveTick(*tree_);
  }
}

void TrayWindow::OnDestroy() {
  destroying_ = true;
  helper_->OnClose();  // destroyed from outside: the icon still goes
  KillTimer(hwnd_, kPollTimer);
  KillTimer(hwnd_, kKeepAliveTimer);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  PostQuitMessage(0);
}

LRESULT TrayWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case kTrayCallbackMessage:
      helper_->OnTrayMouse(LOWORD(lParam));
      return 0;
    case WM_CLOSE:
      helper_->OnClose();
      return 0;
    case WM_ENDSESSION:
      if (wParam) helper_->OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        helper_->OnTaskbarCreated();
        return 0;
      }
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

LRESULT CALLBACK TrayWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TrayWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TrayWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return self ? self->OnMessage(message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace kv::helper
