// Resident mode rules (see resident_mode.h).
#include "helper/core/resident_mode.h"

#include <utility>

#include "app/catalogue/program_path.h"
#include "helper/core/helper_setup.h"

namespace kv::helper {

std::string TrayTipText(const std::string& productText, const std::string& win2000Text, const std::string& nt4Text,
                        OsKind os) {
  std::string tip = productText + (os == OsKind::Nt4 ? nt4Text : win2000Text);
  if (tip.size() > kTrayTipCapacity - 1) tip.resize(kTrayTipCapacity - 1);
  return tip;
}

std::string MainProgramPath(const std::string& appFolder) { return appFolder + "Korvn2k.exe"; }

void KeepAliveTick(KeepAliveTree& tree) {
  if (tree.ListCount() < 1) {
    tree.AddNode("BUFF", 0, 0);
  } else {
    tree.RemoveNode(0);
  }
}

ResidentHelper::ResidentHelper(Registry& registry, ResidentPlatform& platform, std::string tip,
                               std::string mainProgramPath)
    : registry_(registry), platform_(platform), tip_(std::move(tip)), mainProgram_(std::move(mainProgramPath)) {}

void ResidentHelper::Start() { registry_.RegDelete(kCurrentVersionKey, kTerminateTrayValue); }

void ResidentHelper::OnPoll() {
  // A tick inside the menu's modal loop waits for the next one: ending here would pull the window
  // away from under the open menu.
  if (ended_ || menuOpen_) return;
  if (registry_.RegReadDword(kCurrentVersionKey, kTerminateTrayValue, 0) == 1) {
    HideIcon();
    registry_.RegDelete(kCurrentVersionKey, kTerminateTrayValue);
    EndProgram();
    return;
  }
  // -1 (also absent) shows the icon, 0 hides it; any other value leaves it as it is.
  const std::int32_t show = registry_.RegReadDword(kMainSetKey, kShowTrayValue, -1);
  if (show == -1 && !iconAdded_) {
    // A refused icon (the taskbar not there yet at log-on) is tried again at every poll.
    ShowIcon();
  } else if (show == 0 && iconWanted_) {
    HideIcon();
  }
}

void ResidentHelper::OnTrayMouse(std::uint32_t mouseMessage) {
  if (ended_ || menuOpen_ || !iconWanted_) return;
  if (mouseMessage == kTrayLeftButtonDown) {
    StartMainProgram();
  } else if (mouseMessage == kTrayRightButtonDown) {
    ShowMenu();
  }
}

void ResidentHelper::OnTaskbarCreated() {
  if (ended_ || !iconWanted_) return;
  ShowIcon();
}

void ResidentHelper::OnClose() {
  if (ended_) return;
  HideIcon();
  EndProgram();
}

std::vector<TrayMenuEntry> ResidentHelper::MenuEntries() {
  std::vector<TrayMenuEntry> entries(3);
  entries[0].Id = kMenuStartMain;
  entries[0].Text = "Korvane 2000";
  entries[0].Enabled = IsFullPath(mainProgram_) && platform_.FileExists(mainProgram_);
  entries[1].Id = kMenuSeparator;
  entries[1].Separator = true;
  entries[2].Id = kMenuExit;
  entries[2].Text = "Exit";
  return entries;
}

void ResidentHelper::ShowIcon() {
  iconWanted_ = true;
  iconAdded_ = platform_.AddIcon(tip_);
}

void ResidentHelper::HideIcon() {
  if (!iconWanted_) return;
  platform_.RemoveIcon();
  iconWanted_ = false;
  iconAdded_ = false;
}

void ResidentHelper::ShowMenu() {
  const std::vector<TrayMenuEntry> entries = MenuEntries();
  menuOpen_ = true;
  const int choice = platform_.TrackMenu(entries);
  menuOpen_ = false;
  if (choice == kMenuStartMain && entries[0].Enabled) {
    StartMainProgram();
  } else if (choice == kMenuExit) {
    // Only the icon goes (at the next poll); the helper stays resident until told to end, so that the
    // main program's option can bring the icon back.
    registry_.RegWriteDword(kMainSetKey, kShowTrayValue, 0);
  }
}

// Without "AppPath" the program's path is relative ("NoKey\Korvn2k.exe"): nothing is started from
// whatever folder happens to be current.
void ResidentHelper::StartMainProgram() {
  if (IsFullPath(mainProgram_)) platform_.StartProgram(mainProgram_);
}

void ResidentHelper::EndProgram() {
  ended_ = true;
  platform_.End();
}

}  // namespace kv::helper
