// The controls of a tool page tab that has no function tree (the page's "own" tabs). A panel's
// controls are children of the page window, placed inside the tab's frames; the page shows and hides
// them with the tab and hands them the commands of their buttons.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace kv {

class PageServices;

class OwnTabPanel {
 public:
  virtual ~OwnTabPanel() = default;
  // Places the controls inside the tab's frames (in the layout's frame order).
  virtual void Layout(const std::vector<HWND>& frames) = 0;
  virtual void Show(bool visible) = 0;
  // WM_COMMAND of a control of the panel; false when the id is not one of its own.
  virtual bool Command(int id, int code) = 0;
  // WM_NOTIFY of a control of the panel; false (result untouched) when it is not one of its own.
  virtual bool Notify(NMHDR* /*header*/, LRESULT* /*result*/) { return false; }
  // The page's undo button on this tab: true when the tab restores its settings itself (the boot
  // parameters); false lets the page open the restore window for the tab's function group.
  virtual bool HasOwnRestore() const { return false; }
  virtual void Restore() {}
};

// Control ids of the panels start here (each panel takes at most 100).
constexpr int kFirstPanelControlId = 3000;

// Small helpers shared by the panels.
// A frame's rectangle in the page's client coordinates (the panels' controls are the page's children).
RECT FrameArea(HWND page, HWND frame);
HWND MakeLabel(HWND parent, const std::string& text, DWORD style = SS_LEFT);
HWND MakeButton(HWND parent, int id, const std::string& text, DWORD style);
bool IsTicked(HWND button);
void SetTicked(HWND button, bool ticked);

}  // namespace kv
