// One icon list of the Icons page without windows: the functions of a slot range, each shown with the
// icon its value points to; a double-click lets the user choose another icon, which is written as the
// function's new value, after which the shell's icon cache is refreshed.
#pragma once

#include <string>
#include <utility>

#include "app/pages/core/function_tree.h"
#include "app/pages/icons/core/icon_location.h"

namespace kv {

class Registry;

// The tree-list as a flat two-column list with pictures from its image store.
class IconListView {
 public:
  virtual ~IconListView() = default;
  // Adds the scratch picture to the list's images; the image number (0 when refused).
  virtual int AddScratchImage() = 0;
  // Adds a line at the end with this text and picture, without a check box; its index.
  virtual int AddItem(const std::string& text, int picture) = 0;
  virtual void SetItemPicture(int line, int picture) = 0;
  virtual void SetCargo(int line, const std::string& cargo) = 0;
  virtual std::string Cargo(int line) const = 0;
  virtual int Count() const = 0;
  virtual int Selected() const = 0;
  virtual void Select(int line) = 0;
  virtual void Redraw() = 0;
};

// What the list needs from the system: paths, the scratch picture, the icon dialog, the cache refresh.
class IconPlatform {
 public:
  virtual ~IconPlatform() = default;
  // The file's short (8.3) form in upper case; the given text in upper case when the system has no
  // short form for it (a missing file, a bare name found along the search path).
  virtual std::string ShortPath(const std::string& file) = 0;
  virtual void ClearScratch() = 0;
  // Draws icon `index` of `file` into the cleared scratch picture; false when the file has no such icon.
  virtual bool DrawIntoScratch(const std::string& file, int index) = 0;
  // The icon dialog; the chosen location, empty when cancelled.
  virtual std::string ChooseIcon(const std::string& file, int index) = 0;
  virtual void RefreshIconCache() = 0;
};

struct IconSlotRange {
  int First = 0, Last = -1;
};
// List 1 (Desktop) and list 2 (Start Menu); an empty range for any other list number.
IconSlotRange IconSlotsOfList(int list);

class IconsTabModel {
 public:
  IconsTabModel(FunctionSource& source, Registry& registry, IconPlatform& platform, std::string systemFolder,
                std::string windowsFolder)
      : source_(source),
        registry_(registry),
        platform_(platform),
        systemFolder_(std::move(systemFolder)),
        windowsFolder_(std::move(windowsFolder)) {}

  // Adds a line for each function of the list whose icon can be drawn; selects line 0 when any.
  void Fill(int list, IconListView& view);
  // The current location of a function: its value, or the default location when absent, expanded.
  std::string CurrentLocation(const FunctionRecord& function) const;
  // Double-click: true when a new icon was chosen, shown and written.
  bool ChangeSelected(IconListView& view);
  // False for an empty or unchanged choice (the same file, compared in short form, and index).
  bool ChoiceChanges(const std::string& oldLocation, const std::string& choice);

 private:
  bool Draw(const std::string& location);

  FunctionSource& source_;
  Registry& registry_;
  IconPlatform& platform_;
  std::string systemFolder_, windowsFolder_;
};

}  // namespace kv
