// Tab strip model (see tab_strip_model.h).
#include "app/pages/core/tab_strip_model.h"

namespace kv {

bool TabStripModel::SetTab(int tab) {
  if (tab < 0 || tab >= static_cast<int>(captions_.size()) || tab == tab_) return false;
  tab_ = tab;
  return true;
}

std::vector<TabRect> TabStripModel::Layout(int height, const std::function<int(const std::string&)>& measure) const {
  std::vector<TabRect> out;
  int x = 4;
  for (const std::string& c : captions_) {
    int w = measure(c) + 24;
    if (w < 60) w = 60;
    out.push_back({x, 2, x + w, height});
    x += w + 2;
  }
  return out;
}

int TabStripModel::HitTest(int x, int y, int height, const std::function<int(const std::string&)>& measure) const {
  std::vector<TabRect> r = Layout(height, measure);
  for (std::size_t i = 0; i < r.size(); ++i)
    if (x >= r[i].Left && x < r[i].Right && y >= r[i].Top && y < r[i].Bottom) return static_cast<int>(i);
  return -1;
}

}  // namespace kv
