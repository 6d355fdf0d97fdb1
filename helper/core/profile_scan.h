// The profile scan ("/UNDOSCAN"): loads the function database, snapshots every value the functions'
// "on" actions write, and writes the profile file (the undo file or a recovery profile).
#pragma once

#include <functional>
#include <string>

#include "app/catalogue/registry.h"
#include "app/restore/file_store.h"

namespace kv::helper {

// The progress window's side of the scan; absent when no progress is shown.
class ScanProgress {
 public:
  virtual ~ScanProgress() = default;
  virtual void Show(int maximum) = 0;
  // Moves the bar to `position` and lets the window repaint.
  virtual void Step(int position) = 0;
  // The scan is over: the window closes on its own 700 ms later; returns when it has closed.
  virtual void Finish() = 0;
};

struct ProfileScanJob {
  std::string DatabasePath;
  std::string OutputPath;
  int FunctionCount = 299;
  std::function<std::string()> Stamp;  // creation stamp, asked for after the last function
  std::function<void()> WriteFailed;    // tells the user the profile file could not be saved
  bool KeepValidProfile = false;        // a valid profile at the output path is never replaced
};

// Nothing happens (no window, no file, false) when the database is missing or cannot be read, or
// when KeepValidProfile is set and a valid profile exists at the output path.
// Returns whether the profile file was written; when writing fails the job's WriteFailed is called
// (an existing file at the output path is then left as it was).
bool RunProfileScan(const Registry& registry, FileStore& files, const ProfileScanJob& job, ScanProgress* progress);

}  // namespace kv::helper
