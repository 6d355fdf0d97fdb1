// FunctionSource over the catalogue and the engine (see engine_functions.h).
#include "app/mainwin/win32/engine_functions.h"

#include "app/mainwin/core/startup_rules.h"
#include "app/pages/setting_dialog/fkt_set_settings.h"

namespace kv {

std::string EngineFunctions::GroupCaption(int page, int group) const {
  if (page < 0 || page >= kGroupCaptionRecords || group < 1 || group >= kCaptionsPerRecord) return std::string();
  return app_.Functions.GroupCaptions[page].Captions[group];
}

int EngineFunctions::SlotFunction(int slot) const {
  if (slot < 0 || slot >= kPageFunctionSlots) return -1;
  const int number = app_.Functions.PageFunctionIndex[slot];
  return number > 0 && app_.Functions.Function(number) ? number : -1;
}

int EngineFunctions::RunningOsFilter() const { return kv::RunningOsFilter(app_.OsKind); }

std::string EngineFunctions::EditFunctionValue(int number) {
  return FktSetSettings(GetActiveWindow(), number,
                        SettingDialogContext{app_.Functions, *app_.Engine, app_.Text, app_.TwipsPerPixelX});
}

}  // namespace kv
