// Shows a kvTreeView the way a function page fills it (bold groups, check boxes in their three
// states, sub-texts, value lines without check boxes, pictures from a strip, a radio group, a
// title bar and a selection), then copies the window from the screen into a .bmp file and ends.
//   treelist_screenshot.exe <output.bmp> [columns|icons]   (a drive list / an icon list instead)
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "tests/wine/screen_bitmap.h"
#include "treelist/include/kvtree_client.h"

namespace {

const int kWidth = 420, kHeight = 330;

// A 4-cell picture strip (16 x 16 each): folder, gear, key, monitor in plain colours.
HBITMAP MakeStrip() {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP strip = CreateCompatibleBitmap(screen, 64, 16);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, strip);
  RECT all = {0, 0, 64, 16};
  HBRUSH mask = CreateSolidBrush(RGB(0, 0, 255));  // the control's default MaskColor 0xFF0000
  FillRect(dc, &all, mask);
  DeleteObject(mask);
  const COLORREF colours[4] = {RGB(230, 190, 60), RGB(120, 120, 120), RGB(200, 60, 40), RGB(40, 130, 60)};
  for (int i = 0; i < 4; ++i) {
    HBRUSH brush = CreateSolidBrush(colours[i]);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    if (i % 2 == 0)
      Rectangle(dc, i * 16 + 1, 3, i * 16 + 15, 14);
    else
      Ellipse(dc, i * 16 + 2, 2, i * 16 + 14, 14);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return strip;
}

// A light diagonal pattern as the pages' background picture.
HBITMAP MakeBackground() {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP back = CreateCompatibleBitmap(screen, 32, 32);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, back);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) SetPixel(dc, x, y, (x + y) % 16 == 0 ? RGB(225, 235, 250) : RGB(246, 249, 255));
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return back;
}

void Fill(kv::treeclient::TreeList& tree) {
  HBITMAP back = MakeBackground();
  tree.SetBackImage(back);
  DeleteObject(back);  // the control keeps its own copy
  tree.SetTitleText(L"Windows - Explorer and desktop");
  tree->put_ShowTitle(VARIANT_TRUE);
  tree->put_TitleTextStyle(1);  // raised
  struct Line {
    const wchar_t* text;
    short level, picture, check;
    const wchar_t* sub;
    bool group, checks;
  };
  const Line lines[] = {
      {L"Explorer", 1, 1, 0, nullptr, true, false},
      {L"Show hidden files", 2, 0, 1, nullptr, false, true},
      {L"Show file extensions", 2, 0, 0, L"(log-off needed)", false, true},
      {L"Animate windows", 2, 0, 2, nullptr, false, true},
      {L"Menu delay", 2, 2, 0, L"= 400 ms", false, false},
      {L"Security", 1, 3, 0, nullptr, true, false},
      {L"Hide last user name", 2, 0, 1, L"(restart needed)", false, true},
      {L"Clear page file at shut-down", 2, 0, 0, nullptr, false, true},
      {L"Desktop", 1, 4, 0, nullptr, true, false},
      {L"Wallpaper position", 2, 0, 0, nullptr, false, false},
      {L"Centre", 3, 0, 0, nullptr, false, false},
      {L"Tile", 3, 0, 0, nullptr, false, false},
      {L"Stretch", 3, 0, 0, nullptr, false, false},
  };
  long wallpaper = -1;
  for (const Line& line : lines) {
    long index = tree.AddPictureNode(line.text, 0, line.level, line.picture);
    if (line.group) {
      tree.SetNodeFontBold(index, 2);
      tree->put_NodeExpanded(index, VARIANT_TRUE);
    }
    if (!line.checks) tree->put_NodeShowChecks(index, VARIANT_FALSE);
    if (line.check) tree.SetNodeCheck(index, line.check);
    if (line.sub) tree.SetNodeSubText(index, line.sub);
    if (std::wstring(line.text) == L"Wallpaper position") wallpaper = index;
  }
  tree->put_NodeExpanded(wallpaper, VARIANT_TRUE);
  tree->put_NodeRadioStyle(wallpaper, 1);
  tree->put_NodeRadioValue(wallpaper, 2);
  tree.SetSelected(2);
}

// A drive list the way the drive page fills it: a header, ";"-separated column texts and a
// check-box column.
void FillColumns(kv::treeclient::TreeList& tree) {
  using kv::treeclient::detail::Bstr;
  tree->put_ShowHeader(VARIANT_TRUE);
  short column = 0;
  tree->AddColumn(Bstr(L"Drive"), 150, &column);
  tree->AddColumn(Bstr(L"File system"), 90, &column);
  tree->AddColumn(Bstr(L"Free"), 90, &column);
  tree->AddColumn(Bstr(L"Index"), 70, &column);
  tree->put_ColumnCheckBox(4, VARIANT_TRUE);
  tree->put_ColumnTextAlign(3, 1);
  tree->put_SortDirection(SortAscend);
  VARIANT_BOOL sorted = VARIANT_FALSE;
  tree->put_ColumnSortable(2, VARIANT_TRUE);
  tree->SortNewColumn(2, &sorted);  // the arrow in the "File system" header
  long group = tree.AddPictureNode(L"Fixed drives", 0, 1, 4);
  tree.SetNodeFontBold(group, 2);
  tree->put_NodeShowChecks(group, VARIANT_FALSE);
  tree->put_NodeExpanded(group, VARIANT_TRUE);
  const wchar_t* drives[] = {L"C:  System;NTFS;2.1 GB", L"D:  Data;FAT32;830 MB", L"E:  Backup;NTFS;12.4 GB"};
  for (int i = 0; i < 3; ++i) {
    long index = tree.AddPictureNode(drives[i], 0, 2, 2);
    tree->put_NodeUseColumns(index, VARIANT_TRUE);
    tree.SetNodeCheck(index, i == 1 ? 0 : 1, 4);
    tree->put_NodeShowChecks(index, VARIANT_TRUE);
  }
  long removable = tree.AddPictureNode(L"Removable drives", 0, 1, 1);
  tree.SetNodeFontBold(removable, 2);
  tree->put_NodeShowChecks(removable, VARIANT_FALSE);
  tree->put_NodeExpanded(removable, VARIANT_TRUE);
  long floppy = tree.AddNode(L"A:;FAT;1.4 MB", 0, 2);
  tree->put_NodeUseColumns(floppy, VARIANT_TRUE);
  tree.SetSelected(2);
}

// An icon list the way the icons page fills it: large icons in an image list, texts ";" + caption
// in a two-column list.
void FillIcons(kv::treeclient::TreeList& tree) {
  using kv::treeclient::detail::Bstr;
  tree->put_ShowHeader(VARIANT_TRUE);
  tree->put_UseImageList(VARIANT_TRUE);
  tree->put_TreeLines(VARIANT_FALSE);
  tree->put_PictureType(PicsNone);
  short column = 0;
  tree->AddColumn(Bstr(L"Icon"), 60, &column);
  tree->AddColumn(Bstr(L"Description"), 300, &column);
  const wchar_t* captions[] = {L"My Computer", L"Network Neighborhood", L"Recycle Bin (full)", L"Recycle Bin (empty)",
                               L"Control Panel"};
  for (int i = 0; i < 5; ++i) {
    HICON icon = nullptr;
    if (ExtractIconExW(L"shell32.dll", 15 + i, &icon, nullptr, 1) == 0 || !icon) continue;
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_ICON;
    desc.icon.hicon = icon;
    IPictureDisp* picture = nullptr;
    short image = 0;
    if (SUCCEEDED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture)))) {
      tree->AddImage(picture, &image);
      picture->Release();
    }
    long index = tree.AddPictureNode(std::wstring(L";") + captions[i], 0, 0, image);
    tree->put_NodeShowChecks(index, VARIANT_FALSE);
  }
  tree.SetSelected(0);
}

bool CaptureWindow(HWND window, const char* path) {
  RECT r;
  GetWindowRect(window, &r);
  return kv::screenshots::SaveScreenBitmap(r, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: treelist_screenshot <output.bmp> [columns|icons]\n");
    return 2;
  }
  OleInitialize(nullptr);
  HWND frame = CreateWindowExW(0, L"STATIC", L"kvTreeView", WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, kWidth, kHeight,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  int rc = 1;
  {
    kv::treeclient::TreeList tree;
    HBITMAP strip = MakeStrip();
    if (frame && tree.Create(frame, RECT{0, 0, kWidth - 2, kHeight - 2}, 1)) {
      tree.SetPictureStrip(strip, 4);
      const std::string mode = argc > 2 ? argv[2] : "";
      if (mode == "columns")
        FillColumns(tree);
      else if (mode == "icons")
        FillIcons(tree);
      else
        Fill(tree);
      SetFocus(tree.Window());
      // Let the window appear and paint, then take the picture from the screen.
      DWORD until = GetTickCount() + 1500;
      MSG msg;
      while (GetTickCount() < until) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
      }
      rc = CaptureWindow(frame, argv[1]) ? 0 : 1;
    }
    tree.Destroy();
    DeleteObject(strip);
  }
  if (frame) DestroyWindow(frame);
  OleUninitialize();
  return rc;
}
