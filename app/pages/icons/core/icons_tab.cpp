// One icon list of the Icons page (see icons_tab.h).
#include "app/pages/icons/core/icons_tab.h"

#include "app/catalogue/function_record.h"
#include "app/catalogue/registry.h"

namespace kv {

IconSlotRange IconSlotsOfList(int list) {
  if (list == 1) return {23, 46};
  if (list == 2) return {47, 58};
  return {};
}

std::string IconsTabModel::CurrentLocation(const FunctionRecord& function) const {
  const std::string stored =
      registry_.RegReadString(function.StateKeyPath, function.StateValueName,
                              DefaultIconLocation(systemFolder_, function.StateValueName));
  return ExpandSystemRoot(stored, windowsFolder_);
}

bool IconsTabModel::Draw(const std::string& location) {
  platform_.ClearScratch();
  const IconLocation where = ParseIconLocation(location);
  if (where.File.empty()) return false;
  return platform_.DrawIntoScratch(platform_.ShortPath(where.File), where.Index);
}

void IconsTabModel::Fill(int list, IconListView& view) {
  const IconSlotRange range = IconSlotsOfList(list);
  for (int slot = range.First; slot <= range.Last; ++slot) {
    const int number = source_.SlotFunction(slot);
    const FunctionRecord* function = number >= 0 ? source_.Function(number) : nullptr;
    if (!function) continue;
    const std::string location = CurrentLocation(*function);
    if (!Draw(location)) continue;
    const int image = view.AddScratchImage();
    const int line = view.AddItem(";" + function->Caption, image);
    view.SetCargo(line, IconCargo(number, location));
    platform_.ClearScratch();
  }
  if (view.Count() > 0) view.Select(0);
}

bool IconsTabModel::ChoiceChanges(const std::string& oldLocation, const std::string& choice) {
  if (choice.empty() || choice == oldLocation) return false;
  IconLocation before = ParseIconLocation(oldLocation), after = ParseIconLocation(choice);
  if (!before.File.empty()) before.File = platform_.ShortPath(before.File);
  if (!after.File.empty()) after.File = platform_.ShortPath(after.File);
  return !SameIconLocation(before, after);
}

bool IconsTabModel::ChangeSelected(IconListView& view) {
  const int line = view.Selected();
  if (line < 0 || line >= view.Count()) return false;
  const IconCargoParts cargo = SplitIconCargo(view.Cargo(line));
  if (cargo.Function < 0) return false;
  const IconLocation old = ParseIconLocation(cargo.Location);
  const std::string choice =
      platform_.ChooseIcon(old.File.empty() ? std::string() : platform_.ShortPath(old.File), old.Index);
  if (!ChoiceChanges(cargo.Location, choice)) return false;
  if (!Draw(choice)) {
    platform_.ClearScratch();
    return false;
  }
  view.SetItemPicture(line, view.AddScratchImage());
  view.SetCargo(line, IconCargo(cargo.Function, choice));
  source_.ApplyFunctionValue(cargo.Function, choice);
  platform_.ClearScratch();
  view.Redraw();
  platform_.RefreshIconCache();
  return true;
}

}  // namespace kv
