// The SysPaths tab of the Windows page without windows: eight rows, each the path of the function in
// index slot 6 + row, shown with "%USERPROFILE%" replaced by the profile folder. A row's browse
// button warns first (until the user switches the warning off), then lets the user choose a folder,
// which is shown and written as the function's new value. Typing in a row's field writes nothing.
#pragma once

#include <array>
#include <string>

#include "app/pages/core/function_tree.h"

namespace kv {

inline constexpr int kSystemPathRows = 8;
inline constexpr int kFirstSystemPathSlot = 6;

// The dialogs and the setting the tab needs from the main program.
class SystemPathsHost {
 public:
  virtual ~SystemPathsHost() = default;
  // The user's profile folder, without a trailing backslash.
  virtual std::string ProfileFolder() = 0;
  // "PathWarning" under the program's WorkSet key: true (also when absent) = warn before each browse.
  virtual bool PathWarning() = 0;
  virtual void SetPathWarning(bool warn) = 0;
  // The function help box with the "don't display this message again" box; true when it was ticked.
  virtual bool ShowPathWarning(const std::string& helpText) = 0;
  // The folder dialog starting at `startPath`; "" when cancelled.
  virtual std::string ChooseFolder(const std::string& startPath) = 0;
};

class SystemPathsTabModel {
 public:
  SystemPathsTabModel(FunctionSource& source, SystemPathsHost& host) : source_(source), host_(host) {}

  void Load();
  const std::string& RowText(int row) const;
  int RowFunction(int row) const;
  // The browse button of a row. True when a new path was chosen and written.
  bool Browse(int row);

 private:
  FunctionSource& source_;
  SystemPathsHost& host_;
  std::array<std::string, kSystemPathRows> rows_{};
  std::array<int, kSystemPathRows> functions_{};
};

// Every "%USERPROFILE%" (exact case) in `path` replaced by `profileFolder`.
std::string ExpandUserProfile(std::string path, const std::string& profileFolder);

}  // namespace kv
