// Test probe for the end-to-end tests of korvn2k (Windows build, run under Wine):
//   kvprobe list                 every top-level window and its children: depth|hwnd|class|visible|rect|style|text
//   kvprobe close CLASS          posts WM_CLOSE to the first top-level window of that class
//   kvprobe password CLEAR       stores CLEAR as the scrambled access password ("" removes it)
// Installed as KORVNST.EXE it stands in for the helper: it appends its command line to C:\korvnst-args.txt.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/catalogue/registry.h"
#include "app/catalogue/win32_registry_store.h"
#include "app/mainwin/core/program_settings.h"
#include "app/mainwin/core/scramble_text.h"

namespace {

void PrintWindow(HWND w, int depth) {
  char cls[128] = {}, text[512] = {};
  GetClassNameA(w, cls, sizeof cls);
  GetWindowTextA(w, text, sizeof text);
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
  std::fprintf(stderr, "usage: kvprobe list | close CLASS | password CLEAR\n");
  return 2;
}
