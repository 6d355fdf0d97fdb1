// Resident mode's wiring (see resident_job.h).
#include "helper/win32/resident_job.h"

#include "helper/core/helper_texts.h"
#include "helper/core/resident_mode.h"
#include "helper/win32/tray_window.h"
#include "helper/win32/tree_list_buffer.h"
#include "helper/win32/win32_session.h"

namespace kv::helper {

namespace {

// Held until the process ends; a second resident start finds it and leaves at once, so there is never
// a second icon, and it does not delete an end request meant for the running one.
class ResidentMutex {
 public:
  ResidentMutex() {
    SetLastError(ERROR_SUCCESS);
    handle_ = CreateMutexA(nullptr, FALSE, kResidentMutexName);
    first_ = handle_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
  }
  ~ResidentMutex() {
    if (handle_) CloseHandle(handle_);
  }
  ResidentMutex(const ResidentMutex&) = delete;
  ResidentMutex& operator=(const ResidentMutex&) = delete;
  bool First() const { return first_; }

 private:
  HANDLE handle_ = nullptr;
  bool first_ = false;
};

OsKind CurrentOsKind() {
  Win32SessionPlatform version;
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  const bool queried = version.QueryVersion(&platformId, &major);
  return OsKindFromVersion(queried, platformId, major);
}

}  // namespace

void RunResidentMode(HINSTANCE instance, Registry& registry, const StringTable& texts, const HelperFolders& folders) {
  const ResidentMutex mutex;
  if (!mutex.First()) return;
  const std::string tip = TrayTipText(texts.Text(kTextTrayProduct), texts.Text(kTextTrayWindows2000),
                                      texts.Text(kTextTrayNt4), CurrentOsKind());
  TrayWindow window(instance);
  ResidentHelper helper(registry, window, tip, MainProgramPath(folders.AppFolder));
  helper.Start();
  if (!window.Create(helper)) return;
  TreeListBuffer tree;
  if (tree.Create(window.Handle(), {folders.Own, folders.AppFolder})) window.SetKeepAliveTree(&tree);
  window.RunMessageLoop();
}

}  // namespace kv::helper
