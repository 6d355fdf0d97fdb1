// Model of the tab strip that stands in for the pages' SSTab: the tab captions, the current tab (`Tab`)
// and the tab rectangles for drawing and hit-testing.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kv {

struct TabRect {
  int Left, Top, Right, Bottom;
};

class TabStripModel {
 public:
  std::vector<std::string>& Captions() { return captions_; }
  const std::vector<std::string>& Captions() const { return captions_; }
  int Tab() const { return tab_; }
  // Sets the current tab; false (nothing changes) when out of range or already current.
  bool SetTab(int tab);
  // Tab rectangles for a strip of the given height; `measure` gives a caption's text width.
  std::vector<TabRect> Layout(int height, const std::function<int(const std::string&)>& measure) const;
  // Index of the tab at a point, -1 when none.
  int HitTest(int x, int y, int height, const std::function<int(const std::string&)>& measure) const;

 private:
  std::vector<std::string> captions_;
  int tab_ = 0;
};

}  // namespace kv
