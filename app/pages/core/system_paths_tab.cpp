// The SysPaths tab's logic (see system_paths_tab.h).
#include "app/pages/core/system_paths_tab.h"

#include "app/catalogue/function_record.h"

namespace kv {

std::string ExpandUserProfile(std::string path, const std::string& profileFolder) {
  static const std::string kVariable = "%USERPROFILE%";
  for (std::size_t p = path.find(kVariable); p != std::string::npos; p = path.find(kVariable, p + profileFolder.size()))
    path.replace(p, kVariable.size(), profileFolder);
  return path;
}

void SystemPathsTabModel::Load() {
  const std::string profile = host_.ProfileFolder();
  for (int row = 0; row < kSystemPathRows; ++row) {
    const int function = source_.SlotFunction(kFirstSystemPathSlot + row);
    functions_[row] = function >= 0 && source_.Function(function) ? function : -1;
    rows_[row] = functions_[row] >= 0 ? ExpandUserProfile(source_.ReadValueText(function), profile) : std::string();
  }
}

const std::string& SystemPathsTabModel::RowText(int row) const {
  static const std::string kNone;
  return row >= 0 && row < kSystemPathRows ? rows_[row] : kNone;
}

int SystemPathsTabModel::RowFunction(int row) const {
  return row >= 0 && row < kSystemPathRows ? functions_[row] : -1;
}

bool SystemPathsTabModel::Browse(int row) {
  if (RowFunction(row) < 0) return false;
  if (host_.PathWarning()) {
    const int first = functions_[0];
    const FunctionRecord* f = first >= 0 ? source_.Function(first) : nullptr;
    host_.SetPathWarning(!host_.ShowPathWarning(f ? f->HelpText : std::string()));
  }
  const std::string chosen = host_.ChooseFolder(rows_[row]);
  if (chosen.empty()) return false;
  rows_[row] = chosen;
  source_.ApplyFunctionValue(functions_[row], chosen);
  return true;
}

}  // namespace kv
