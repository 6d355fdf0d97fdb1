// Bar control window (see bar_window.h).
#include "app/mainwin/win32/bar_window.h"

#include <map>

#include "app/controls/win32/drawing_bitmap.h"
#include "app/controls/win32/shell_icon.h"
#include "app/controls/win32/system_version.h"
#include "app/mainwin/core/net_menu.h"
#include "app/mainwin/win32/sound_output.h"
#include "app/pages/win32/ui_theme.h"
#include "app/pages/win32/window_object.h"

namespace kv {

namespace {
const char kClassName[] = "KvBar";
constexpr int kIconSize = 32;


// Tool pictures (side bar 1..7, MenuImg 1..kMenuImageCount): picture n is an icon of the system's
// shell library, all of them present in the shell library of Windows NT 4.0.
HICON ToolPicture(int picture) {
  static std::map<int, HICON> cache;
  static const int kShellIcons[] = {0, 15, 27, 8, 47, 17, 34, 2, 13, 14, 23, 22, 20, 1, 3, 9, 24};
  static_assert(sizeof kShellIcons / sizeof kShellIcons[0] == kMenuImageCount + 1, "one icon per picture");
  auto it = cache.find(picture);
  if (it != cache.end()) return it->second;
  HICON icon = nullptr;
  if (picture > 0 && picture < static_cast<int>(sizeof kShellIcons / sizeof kShellIcons[0]))
    icon = controls::ShellLibraryIcon(kShellIcons[picture], controls::IconSize::Large);
  cache[picture] = icon;
  return icon;
}

// The same picture as a small menu bitmap on the menu's own background (menus take bitmaps, not icons).
HBITMAP MenuPicture(int picture) {
  static std::map<int, HBITMAP> cache;
  auto it = cache.find(picture);
  if (it != cache.end()) return it->second;
  HBITMAP bitmap = nullptr;
  if (HICON icon = ToolPicture(picture)) {
    const int size = GetSystemMetrics(SM_CXSMICON) > 0 ? GetSystemMetrics(SM_CXSMICON) : 16;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    bitmap = controls::CreatePictureBitmap(size, size);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, size, size};
    FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
  }
  cache[picture] = bitmap;
  return bitmap;
}
}  // namespace

BarWindow* BarWindow::Create(HWND parent, BarModel& model, SoundOutput& sound) {
  RegisterWindowClassOnce(kClassName, &OwnedObjectProc<BarWindow>, CS_HREDRAW | CS_VREDRAW);
  auto* self = new BarWindow(model, sound);
  CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 100, 100, parent,
                  nullptr, GetModuleHandleA(nullptr), self);
  return self;
}

// Every layout pass measures all captions; each measurement needs a device context, so widths are kept.
int BarWindow::Measure(const std::string& text) {
  auto it = textWidths_.find(text);
  if (it == textWidths_.end()) it = textWidths_.emplace(text, ui::TextWidth(hwnd_, ui::NormalFont(), text)).first;
  return it->second;
}

void BarWindow::RecalcLayout() {
  model_.RecalcLayout();
  Layout();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void BarWindow::Layout() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  items_ = ComputeBarLayout(model_, rc.right, rc.bottom, metrics_, [this](const std::string& s) { return Measure(s); });
  hot_ = -1;
  for (const BarItem& item : items_) {
    if (item.Kind == BarItemKind::Client && client_)
      MoveWindow(client_, item.Rect.Left, item.Rect.Top, item.Rect.Width(), item.Rect.Height(), TRUE);
  }
  // Hosted controls: the headline's in its band, a host band's in the whole client area.
  for (BarBand& band : model_.Bands()) {
    for (BarTool& tool : band.Tools) {
      HWND hosted = reinterpret_cast<HWND>(tool.HostedControl);
      if (tool.Style != ToolStyle::ControlHost || !hosted) continue;
      const BarItem* place = nullptr;
      for (const BarItem& item : items_) {
        if (band.Kind == BandKind::Headline && item.Kind == BarItemKind::Headline && item.Band == band.Name) place = &item;
        if (band.Kind == BandKind::Host && item.Kind == BarItemKind::Client) place = &item;
      }
      if (place && band.Visible && tool.Visible) {
        MoveWindow(hosted, place->Rect.Left, place->Rect.Top, place->Rect.Width(), place->Rect.Height(), TRUE);
        ShowWindow(hosted, SW_SHOW);
      } else {
        ShowWindow(hosted, SW_HIDE);
      }
    }
  }
}

int BarWindow::ClientAreaHeight() const {
  for (const BarItem& item : items_)
    if (item.Kind == BarItemKind::Client) return item.Rect.Height();
  return 0;
}

void BarWindow::PaintMenuItem(HDC dc, const BarItem& item) {
  const BarTool* tool = model_.Tool(item.Band, item.ToolName);
  if (!tool) return;
  const int index = static_cast<int>(&item - items_.data());
  RECT r = {item.Rect.Left, item.Rect.Top + 2, item.Rect.Right, item.Rect.Bottom - 2};
  if (index == hot_ || index == openMenu_) ui::FillSolid(dc, r, ui::kAccentLight);
  SelectObject(dc, ui::NormalFont());
  SetTextColor(dc, tool->Enabled ? ui::kText : ui::kMutedText);
  DrawTextA(dc, tool->Caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

const BandLook& BarWindow::SideBarLook() const {
  static const BandLook designed;
  const BarBand* side = model_.Band("SideBar");
  return side ? side->Look : designed;
}

// Single colour, gradient to the end colour, or a cross-hatch in the end colour over the background.
void BarWindow::PaintBandBackground(HDC dc, const RECT& r, const BandLook& look) {
  if (look.BackStyle == kBackGradient) {
    ui::FillGradient(dc, r, look.BackColor, look.BackEndColor, true);
    return;
  }
  ui::FillSolid(dc, r, look.BackColor);
  if (look.BackStyle != kBackPattern) return;
  HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, look.BackEndColor);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  FillRect(dc, &r, hatch);
  SetBkMode(dc, oldMode);
  DeleteObject(hatch);
}

void BarWindow::PaintSideBar(HDC dc, const BarItem& item) {
  const int index = static_cast<int>(&item - items_.data());
  RECT r = {item.Rect.Left, item.Rect.Top, item.Rect.Right, item.Rect.Bottom};
  if (item.Kind == BarItemKind::GroupHeader) {
    const BarBand* group = model_.Band(item.Band);
    ui::FillGradient(dc, r, index == hot_ ? ui::kAccent : RGB(36, 74, 128), ui::kAccentDark, true);
    RECT edge = {r.left, r.bottom - 1, r.right, r.bottom};
    ui::FillSolid(dc, edge, RGB(16, 36, 70));
    SelectObject(dc, ui::BoldFont());
    SetTextColor(dc, SideBarLook().FolderTextColor);
    RECT text = {r.left + 10, r.top, r.right - 4, r.bottom};
    DrawTextA(dc, group ? group->Caption.c_str() : "", -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    return;
  }
  const BarTool* tool = model_.Tool(item.Band, item.ToolName);
  if (!tool) return;
  if (tool->Checked || index == hot_) {
    RECT box = {r.left + 10, r.top + 2, r.right - 10, r.bottom - 2};
    HBRUSH brush = CreateSolidBrush(tool->Checked ? RGB(82, 132, 196) : RGB(64, 110, 172));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    RoundRect(dc, box.left, box.top, box.right, box.bottom, 8, 8);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
  }
  if (HICON icon = ToolPicture(tool->Picture))
    DrawIconEx(dc, (r.left + r.right - kIconSize) / 2, r.top + 5, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  SelectObject(dc, tool->Checked ? ui::BoldFont() : ui::NormalFont());
  SetTextColor(dc, SideBarLook().ToolTextColor);
  RECT text = {r.left + 2, r.top + kIconSize + 6, r.right - 2, r.bottom};
  std::string caption = CaptionDisplayText(tool->Caption);
  DrawTextA(dc, caption.c_str(), -1, &text, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void BarWindow::Paint() {
  PAINTSTRUCT ps;
  HDC paintDc = BeginPaint(hwnd_, &ps);
  RECT rc;
  GetClientRect(hwnd_, &rc);
  // Double-buffered: the side bar gradient would flicker otherwise.
  HDC dc = CreateCompatibleDC(paintDc);
  HBITMAP bitmap = controls::CreateBufferBitmap(rc.right, rc.bottom);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  ui::FillSolid(dc, rc, ui::kPanelBack);
  SetBkMode(dc, TRANSPARENT);
  const BarBand* menu = model_.Band("Menu");
  if (menu && menu->Visible) {
    RECT line = {0, metrics_.MenuHeight - 1, rc.right, metrics_.MenuHeight};
    ui::FillSolid(dc, line, RGB(208, 214, 222));
  }
  const BarBand* side = model_.Band("SideBar");
  if (side && side->Visible) {
    const int top = menu && menu->Visible ? metrics_.MenuHeight : 0;
    RECT bar = {0, top, metrics_.SideBarWidth, rc.bottom};
    PaintBandBackground(dc, bar, side->Look);
  }
  for (const BarItem& item : items_) {
    if (item.Kind == BarItemKind::MenuItem) PaintMenuItem(dc, item);
    if (item.Kind == BarItemKind::SideTool || item.Kind == BarItemKind::GroupHeader) PaintSideBar(dc, item);
  }
  BitBlt(paintDc, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(hwnd_, &ps);
}

void BarWindow::MouseMove(int x, int y) {
  const BarItem* hit = HitTest(items_, x, y);
  const int index = hit ? static_cast<int>(hit - items_.data()) : -1;
  if (index == hot_) return;
  hot_ = index;
  InvalidateRect(hwnd_, nullptr, FALSE);
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
  TrackMouseEvent(&track);
}

void BarWindow::MouseDown(int x, int y) {
  const BarItem* hit = HitTest(items_, x, y);
  if (!hit) return;
  switch (hit->Kind) {
    case BarItemKind::MenuItem: {
      BarTool* tool = model_.Tool(hit->Band, hit->ToolName);
      if (!tool || !tool->Enabled) return;
      openMenu_ = static_cast<int>(hit - items_.data());
      InvalidateRect(hwnd_, nullptr, FALSE);
      std::string sub = tool->SubBand;
      if (!sub.empty()) PopupAt(sub, hit->Rect.Left, hit->Rect.Bottom, false);
      else model_.Click(hit->Band, hit->ToolName);
      openMenu_ = -1;
      InvalidateRect(hwnd_, nullptr, FALSE);
      return;
    }
    case BarItemKind::GroupHeader:
      model_.SelectGroup(hit->Group);
      Layout();
      InvalidateRect(hwnd_, nullptr, FALSE);
      return;
    case BarItemKind::SideTool: {
      const std::string band = hit->Band, name = hit->ToolName;
      model_.Click(band, name);
      return;
    }
    default:
      return;
  }
}

void BarWindow::PopupBand(const std::string& band) { PopupAt(band, 0, 0, true); }

void BarWindow::PopupAt(const std::string& bandName, int x, int y, bool atPointer) {
  if (!model_.RequestOpen(bandName)) return;
  const BarBand* band = model_.Band(bandName);
  if (!band) return;
  HMENU menu = CreatePopupMenu();
  int shown = 0;
  for (const BarTool& tool : band->Tools) {
    if (!tool.Visible) continue;
    if (tool.Style == ToolStyle::Separator) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (tool.Enabled ? MF_ENABLED : MF_GRAYED) | (tool.Checked ? MF_CHECKED : MF_UNCHECKED);
    AppendMenuA(menu, flags, static_cast<UINT_PTR>(tool.Id), tool.Caption.c_str());
    if (HBITMAP picture = tool.Picture > 0 ? MenuPicture(tool.Picture) : nullptr) {
      if (IsWindows2000OrLater()) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_BITMAP;
        item.hbmpItem = picture;
        SetMenuItemInfoA(menu, static_cast<UINT>(tool.Id), FALSE, &item);
      } else if (!tool.Checked) {
        // NT 4.0 menus have no item pictures: the picture takes the check mark's place (a checked
        // entry keeps its check mark).
        SetMenuItemBitmaps(menu, static_cast<UINT>(tool.Id), MF_BYCOMMAND, picture, picture);
      }
    }
    ++shown;
  }
  POINT p = {x, y};
  if (atPointer) GetCursorPos(&p);
  else ClientToScreen(hwnd_, &p);
  const UINT animation = model_.MenuAnimation() == 1 ? TPM_VERPOSANIMATION : TPM_NOANIMATION;
  int chosen = shown > 0 ? static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | animation,
                                                            p.x, p.y, 0, hwnd_, nullptr))
                         : 0;
  DestroyMenu(menu);
  if (chosen != 0) model_.ClickId(bandName, chosen);
}

bool BarWindow::OpenMenuByKey(char key) {
  for (const BarItem& item : items_) {
    if (item.Kind != BarItemKind::MenuItem) continue;
    const BarTool* tool = model_.Tool(item.Band, item.ToolName);
    if (tool && tool->Enabled && CaptionAccessKey(tool->Caption) == key) {
      MouseDown(item.Rect.Left + 1, item.Rect.Top + 1);
      return true;
    }
  }
  return false;
}

void BarWindow::PlayWave(const std::string& path, unsigned flags) { sound_.PlayWave(path, flags); }

LRESULT BarWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE: Layout(); return 0;
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: MouseMove(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))); return 0;
    case WM_MOUSELEAVE:
      hot_ = -1;
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN: MouseDown(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))); return 0;
    default: return DefWindowProcA(hwnd_, msg, wp, lp);
  }
}

}  // namespace kv
