// The hover poll's question to the system (see pointer_probe.h).
#include "app/controls/win32/pointer_probe.h"

namespace kv::controls {

namespace {
bool SystemProbe(HWND control) {
  POINT at;
  if (!GetCursorPos(&at)) return false;
  return WindowFromPoint(at) == control;
}
PointerProbe g_probe = nullptr;
}  // namespace

bool PointerIsOver(HWND control) { return (g_probe ? g_probe : SystemProbe)(control); }

void SetPointerProbe(PointerProbe probe) { g_probe = probe; }

}  // namespace kv::controls
