// Two kvTreeView controls side by side for the drag-and-drop test: the script drags nodes with the
// real mouse (xdotool) and reads what arrived. Writes to <log> the screen points of the lines the
// script needs, the answers of the drag methods, then every drag event as "<tree> <event> <index>".
//   treelist_drag_demo.exe <log>      (runs until it is closed or 60 s have passed)
#include <windows.h>
#include <ole2.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "treelist/include/kvtree_client.h"
#include "treelist/include/kvtree_messages.h"

namespace {

FILE* logFile = nullptr;

void Log(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(logFile, format, args);
  va_end(args);
  std::fputc('\n', logFile);
  std::fflush(logFile);
}

void Fill(kv::treeclient::TreeList& tree, std::initializer_list<std::pair<const wchar_t*, short>> lines) {
  for (const auto& line : lines) {
    long index = tree.AddNode(line.first, 0, line.second);
    tree->put_NodeShowChecks(index, VARIANT_FALSE);
  }
}

void Watch(kv::treeclient::TreeList& tree, const char* name) {
  tree.events.dragNode = [name](long index) { Log("%s DragNode %ld", name, index); };
  tree.events.dropNode = [name](long index) { Log("%s DropNode %ld", name, index); };
  tree.events.startDragOut = [name] { Log("%s StartDragOut", name); };
}

// The centre of a line's text on the screen, written as "<label> <x> <y>".
void LogPoint(const kv::treeclient::TreeList& tree, long node, const char* label) {
  RECT r = {KVTREE_PART_TEXT, 0, 0, 0};
  if (!SendMessageW(tree.Window(), KVTM_GETITEMRECT, static_cast<WPARAM>(node), reinterpret_cast<LPARAM>(&r))) {
    Log("%s missing", label);
    return;
  }
  POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(tree.Window(), &p);
  Log("%s %ld %ld", label, p.x, p.y);
}

// The drag methods a container calls: the middle of line 1 in pixels and in twips.
void CheckMethods(kv::treeclient::TreeList& tree) {
  RECT r = {KVTREE_PART_LINE, 0, 0, 0};
  SendMessageW(tree.Window(), KVTM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  const short y = static_cast<short>((r.top + r.bottom) / 2);
  HDC screen = GetDC(nullptr);
  const short twips = static_cast<short>(MulDiv(y, 1440, GetDeviceCaps(screen, LOGPIXELSY)));
  ReleaseDC(nullptr, screen);
  LONG over = 0, overTwips = 0, below = 0, leave = 0, drop = 0;
  tree->kvDragOver(y, KVTREE_DRAG_ENTER, &over);
  tree->DragOver(twips, KVTREE_DRAG_OVER, &overTwips);
  tree->kvDragOver(250, KVTREE_DRAG_OVER, &below);
  tree->kvDragOver(y, KVTREE_DRAG_LEAVE, &leave);
  Log("methods kvDragOver=%ld DragOver=%ld below=%ld leave=%ld", over, overTwips, below, leave);
  tree->kvDragDrop(y, &drop);
  Log("methods kvDragDrop=%ld", drop);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !(logFile = std::fopen(argv[1], "w"))) {
    std::fprintf(stderr, "usage: treelist_drag_demo <log>\n");
    return 2;
  }
  OleInitialize(nullptr);
  HWND frame = CreateWindowExW(0, L"STATIC", L"kvTreeView drag", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 600,
                               270, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  int rc = 1;
  {
    kv::treeclient::TreeList left, right;
    Watch(left, "left");
    Watch(right, "right");
    if (frame && left.Create(frame, RECT{0, 0, 290, 270}, 1) && right.Create(frame, RECT{310, 0, 600, 270}, 2)) {
      Fill(left, {{L"Alpha", 1}, {L"One", 2}, {L"Two", 2}, {L"Beta", 1}});
      left->put_NodeExpanded(0, VARIANT_TRUE);
      Fill(right, {{L"Gamma", 1}, {L"Delta", 1}, {L"Epsilon", 1}});
      UpdateWindow(left.Window());
      UpdateWindow(right.Window());
      CheckMethods(right);
      for (int i = 4; i <= 40; ++i) Fill(right, {{(L"Item " + std::to_wstring(i)).c_str(), 1}});
      UpdateWindow(right.Window());
      LogPoint(left, 0, "left-alpha");
      LogPoint(left, 1, "left-one");
      LogPoint(left, 2, "left-two");
      LogPoint(right, 0, "right-gamma");
      LogPoint(right, 1, "right-delta");
      LogPoint(right, 2, "right-epsilon");
      // Near the bottom edge of the right list, where a resting drag scrolls it.
      RECT client;
      GetClientRect(right.Window(), &client);
      POINT edge = {client.right / 2, client.bottom - 4};
      ClientToScreen(right.Window(), &edge);
      Log("right-bottom %ld %ld", edge.x, edge.y);
      short lines = 0;
      right->LinesPerList(&lines);
      Log("right-lines %d", lines);
      Log("ready");
      const DWORD until = GetTickCount() + 60000;
      MSG msg;
      while (GetTickCount() < until && IsWindow(frame)) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
      }
      rc = 0;
    }
    left.Destroy();
    right.Destroy();
  }
  if (IsWindow(frame)) DestroyWindow(frame);
  OleUninitialize();
  std::fclose(logFile);
  return rc;
}
