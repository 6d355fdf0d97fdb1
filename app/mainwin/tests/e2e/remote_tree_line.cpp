// Line rectangles of a kvTreeView in another process (see remote_tree_line.h).
#include "app/mainwin/tests/e2e/remote_tree_line.h"

#include "treelist/include/kvtree_messages.h"

namespace kvtest {

bool RemoteTreeLineRect(HWND tree, int line, int part, RECT* client) {
  DWORD pid = 0;
  GetWindowThreadProcessId(tree, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return false;
  bool ok = false;
  if (void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE)) {
    RECT r = {part, 0, 0, 0};
    DWORD_PTR result = 0;
    ok = WriteProcessMemory(process, remote, &r, sizeof r, nullptr) &&
         SendMessageTimeoutA(tree, KVTM_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(remote),
                             SMTO_ABORTIFHUNG, 5000, &result) &&
         result && ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
    if (ok) *client = r;
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return ok;
}

}  // namespace kvtest
