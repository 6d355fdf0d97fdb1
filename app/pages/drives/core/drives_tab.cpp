// The Drives tab's logic (see drives_tab.h).
#include "app/pages/drives/core/drives_tab.h"

#include "app/pages/drives/core/drive_mask.h"

namespace kv {

namespace {
constexpr int kNoMediumText = 141;
}  // namespace

void DrivesTabModel::Load(const std::string& bootFolder) {
  const int function = source_.SlotFunction(kDriveMaskSlot);
  maskFunction_ = function >= 0 && source_.Function(function) ? function : -1;
  listing_ = ListDrives(queries_, text_, bootFolder);
}

void DrivesTabModel::ShowDrive(const std::string& root) {
  loading_ = true;
  DriveInformation info;
  if (!root.empty() && ReadDriveInformation(queries_, root, &info)) {
    details_.Fields = InformationFields(info, queries_.UserNumberFormat(), text_);
    details_.Bars = BarsOf(info);
  } else {
    details_.Fields = {};
    details_.Fields[0] = text_(kNoMediumText);
    details_.Bars.Free = details_.Bars.Used = 0;
  }
  const std::uint32_t mask = maskFunction_ >= 0 ? DriveMaskOf(source_.ReadValueText(maskFunction_)) : 0;
  details_.Hidden = !root.empty() && DriveHidden(mask, root[0]);
  details_.HideTag = HideBoxTagText(root, maskFunction_, mask);
  loading_ = false;
}

bool DrivesTabModel::HideChanged(bool ticked) {
  if (loading_) return false;
  HideBoxTag tag;
  // No mask function (tag function -1 does not parse) or no drive shown yet: nothing to write.
  if (!ParseHideBoxTag(details_.HideTag, &tag) || DriveBit(tag.Letter) < 0 || !source_.Function(tag.Function))
    return false;
  details_.Hidden = ticked;
  // The tag's mask is the one read when the drive was shown; it is not refreshed after a write.
  source_.ApplyFunctionValue(tag.Function, DriveMaskText(WithDriveHidden(tag.Mask, tag.Letter, ticked)));
  return true;
}

}  // namespace kv
