// Public entry of the setting input dialog FormB, for the function trees' double click on a text or
// number line:
//
//   std::string shown = kv::FktSetSettings(owner, n, {app.Functions, *app.Engine, app.Text});
//   if (shown != kv::kSettingNotApplied) tree.SetNodeSubText(line, shown);
//
// Opens a fresh modal dialog for function n (owner disabled while it is open; a null owner means the
// active window), and returns the line's new sub-text: the bare text of a text function, "#" + value +
// unit of a number function, or "$ERROR$" when nothing was applied (Cancel, Escape, the close box,
// or the engine reporting a failed write). kvslide.dll must lie beside the program for the slider panel.
#pragma once

#include <windows.h>

#include <string>

#include "app/catalogue/catalogue.h"
#include "app/engine/function_engine.h"
#include "app/mainwin/core/text_lookup.h"
#include "app/pages/setting_dialog/core/setting_dialog_model.h"

namespace kv {

struct SettingDialogContext {
  const Catalogue& functions;
  FunctionEngine& engine;
  const Texts& texts;          // the main program's numbered texts with the language offset
  int twipsPerPixel = 15;
};

std::string FktSetSettings(HWND owner, int functionNumber, const SettingDialogContext& context);

}  // namespace kv
