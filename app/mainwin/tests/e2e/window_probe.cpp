// Test probe for the end-to-end tests of korvn2k (Windows build, run under Wine):
//   kvprobe list                 every top-level window and its children: depth|hwnd|class|visible|rect|style|text
//   kvprobe close CLASS          posts WM_CLOSE to the first top-level window of that class
//   kvprobe password CLEAR       stores CLEAR as the scrambled access password ("" removes it)
//   kvprobe startup              waits until the main window shows, then prints how the splash stands at that
//                                moment and which window took the activation:
//                                splash=VISIBLE|left,top,right,bottom|TOPMOST  active=CLASS
//   kvprobe treeline N           screen rectangle (left top right bottom) of the text of line N in the visible
//                                kvTreeView; exit code 1 when the line is not on screen
// Installed as KORVNST.EXE it stands in for the helper: it appends its command line to C:\korvnst-args.txt.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/catalogue/registry.h"
#include "app/catalogue/win32_registry_store.h"
#include "app/mainwin/core/program_settings.h"
#include "app/mainwin/core/scramble_text.h"
#include "app/mainwin/tests/e2e/remote_tree_line.h"
#include "treelist/include/kvtree_messages.h"

namespace {

void PrintWindow(HWND w, int depth) {
  char cls[128] = {}, text[512] = {};
  GetClassNameA(w, cls, sizeof cls);
  GetWindowTextA(w, text, sizeof text);
  // An edit control keeps its text to itself: ask it (the system carries the text across processes).
  DWORD_PTR copied = 0;
  if (lstrcmpiA(cls, "Edit") == 0 &&
      !SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied))
    text[0] = 0;
  RECT r{};
  GetWindowRect(w, &r);
  std::printf("%d|%p|%s|%d|%ld,%ld,%ld,%ld|%08lx|%s\n", depth, static_cast<void*>(w), cls, IsWindowVisible(w) ? 1 : 0,
              r.left, r.top, r.right, r.bottom, static_cast<unsigned long>(GetWindowLongA(w, GWL_STYLE)), text);
}

BOOL CALLBACK ChildProc(HWND w, LPARAM) {
  HWND parent = GetParent(w);
  int depth = 1;
  for (HWND p = parent; p && (GetWindowLongA(p, GWL_STYLE) & WS_CHILD); p = GetParent(p)) ++depth;
  PrintWindow(w, depth);
  return TRUE;
}

BOOL CALLBACK TopProc(HWND w, LPARAM) {
  PrintWindow(w, 0);
  EnumChildWindows(w, ChildProc, 0);
  return TRUE;
}

BOOL CALLBACK FindVisibleTree(HWND w, LPARAM found) {
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpA(cls, "kvTreeView") != 0 || !IsWindowVisible(w)) return TRUE;
  *reinterpret_cast<HWND*>(found) = w;
  return FALSE;
}

BOOL CALLBACK FindVisibleTreeIn(HWND top, LPARAM found) {
  EnumChildWindows(top, FindVisibleTree, found);
  return *reinterpret_cast<HWND*>(found) ? FALSE : TRUE;
}

// The text rectangle of line `line` of the visible kvTreeView, in screen coordinates.
bool TreeLineRect(int line, RECT* screen) {
  HWND tree = nullptr;
  EnumWindows(FindVisibleTreeIn, reinterpret_cast<LPARAM>(&tree));
  RECT r{};
  if (!tree || !kvtest::RemoteTreeLineRect(tree, line, KVTREE_PART_TEXT, &r)) return false;
  MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&r), 2);
  *screen = r;
  return true;
}

// Started before the program: the splash closes 1.5 s after the main window shows, too soon for a second
// probe process, so this one polls in-process and reads both windows at once.
int ReportStartup() {
  HWND main = nullptr;
  for (int i = 0; i < 6000 && !(main && IsWindowVisible(main)); ++i) {
    Sleep(5);
    main = FindWindowA("KvKorvaneMain", nullptr);
  }
  if (!main || !IsWindowVisible(main)) return 1;
  for (int i = 0; i < 100 && GetForegroundWindow() != main; ++i) Sleep(5);  // the activation follows the show
  HWND splash = FindWindowA("KvAbout", nullptr);
  RECT r{};
  if (splash) GetWindowRect(splash, &r);
  const bool topmost = splash && (GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
  char active[128] = {};
  if (HWND foreground = GetForegroundWindow()) GetClassNameA(foreground, active, sizeof active);
  std::printf("splash=%d|%ld,%ld,%ld,%ld|%d active=%s\n", splash && IsWindowVisible(splash) ? 1 : 0, r.left, r.top,
              r.right, r.bottom, topmost ? 1 : 0, active);
  return 0;
}

bool IsHelperStandIn() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of('\\') + 1);
  for (char& c : name) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return name == "KORVNST.EXE";
}

}  // namespace

int main(int argc, char** argv) {
  if (IsHelperStandIn()) {
    if (FILE* f = std::fopen("C:\\korvnst-args.txt", "a")) {
      std::fprintf(f, "%s\n", GetCommandLineA());
      std::fclose(f);
    }
    return 0;
  }
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "startup") return ReportStartup();
  if (mode == "list") {
    EnumWindows(TopProc, 0);
    return 0;
  }
  if (mode == "close" && argc > 2) {
    HWND w = FindWindowA(argv[2], nullptr);
    if (!w) return 1;
    PostMessageA(w, WM_CLOSE, 0, 0);
    return 0;
  }
  if (mode == "password" && argc > 2) {
    kv::Registry reg(kv::SystemRegistryStore());
    const std::string clear = argv[2];
    if (clear.empty()) reg.RegDelete(kv::kPasswordKey, kv::kPasswordValue);
    else reg.RegWriteString(kv::kPasswordKey, kv::kPasswordValue, kv::ScrambleText(clear, kv::kScramble));
    return 0;
  }
  if (mode == "treeline" && argc > 2) {
    RECT r{};
    if (!TreeLineRect(std::atoi(argv[2]), &r)) return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  std::fprintf(stderr, "usage: kvprobe list | close CLASS | password CLEAR | treeline N\n");
  return 2;
}
