// The program-wide values of one run of the main program, worked out once at start-up, and the small
// services every window of the program uses (numbered texts, messages, message pumping).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/catalogue/catalogue.h"
#include "app/catalogue/read_cache_store.h"
#include "app/catalogue/registry.h"
#include "app/engine/function_engine.h"
#include "app/mainwin/core/program_settings.h"
#include "app/mainwin/core/text_lookup.h"

namespace kvdlg {
class DialogClient;
}

namespace kv {

class SoundOutput;

struct AppContext {
  HINSTANCE Instance = nullptr;
  Registry* Reg = nullptr;
  ReadCacheStore* RegBatch = nullptr;  // the store under Reg: SetCaching(true) for a batch of accesses
  Texts Text;
  Catalogue Functions;
  std::unique_ptr<FunctionEngine> Engine;
  ProgramSettings Settings;
  int OsKind = 0;
  std::string Title;
  int ScreenWidthTwips = 0, ScreenHeightTwips = 0;
  int TwipsPerPixelX = 15, TwipsPerPixelY = 15;
  // The dialog library; loaded by DialogLibrary() on first use, since a normal start shows no dialog.
  std::shared_ptr<kvdlg::DialogClient> Dialogs;
  SoundOutput* Sound = nullptr;
  std::string AllFilesFilter, ProfileFilter;  // common-dialog filters with NUL separators
  bool SplashUp = false;
  std::string HelperCommand;  // set by the exit question; started as the very last act

  const std::string& ProgramFolder() const { return Engine->Paths().ProgramFolder(); }
};

// The dialog library, loaded on the first call; check Loaded() before use.
kvdlg::DialogClient& DialogLibrary(AppContext& app);

// The dialog library's message dialog (a plain message box when the library is missing).
// kind: 0 OK, 2 Yes/No. Result: 1 OK, 2 Cancel, 6 Yes, 7 No.
int ShowMessage(AppContext& app, const std::string& headline, const std::string& message, bool fade, HWND owner,
                int kind);

// The program's own icon (resource 1) in the large or the small size, loaded once (shared).
HICON ProgramIcon(HINSTANCE instance, bool small);

// Processes the pending messages once (the program's DoEvents).
void PumpMessages();

}  // namespace kv
