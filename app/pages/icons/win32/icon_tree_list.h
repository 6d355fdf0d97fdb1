// An icon list on the kvTreeView control: a flat list with the columns "Icon" and "Description",
// pictures from the control's image store (taken from the scratch picture), no check boxes.
#pragma once

#include <windows.h>

#include <string>

#include "app/pages/icons/core/icons_tab.h"
#include "app/pages/icons/win32/icon_scratch_picture.h"
#include "treelist/include/kvtree_client.h"

namespace kv {

class IconTreeList : public IconListView {
 public:
  explicit IconTreeList(const IconScratchPicture& scratch) : scratch_(scratch) {}
  // Creates the control (hidden) in `page`; false when its library cannot be loaded.
  bool Create(HWND page, int id, const std::string& iconCaption, const std::string& descriptionCaption);
  HWND hwnd() const { return tree_.Window(); }
  treeclient::TreeEvents& Events() { return tree_.events; }
  void Place(const RECT& r);

  int AddScratchImage() override;
  int AddItem(const std::string& text, int picture) override;
  void SetItemPicture(int line, int picture) override;
  void SetCargo(int line, const std::string& cargo) override;
  std::string Cargo(int line) const override;
  int Count() const override { return static_cast<int>(tree_.ListCount()); }
  int Selected() const override { return static_cast<int>(tree_.Selected()); }
  void Select(int line) override { tree_.SetSelected(line); }
  void Redraw() override;

 private:
  const IconScratchPicture& scratch_;
  treeclient::TreeList tree_;
};

}  // namespace kv
