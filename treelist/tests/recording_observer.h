// Test observer that records what the tree-list model reports, in order.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "treelist/model/tree_model.h"

namespace kv::tree::testing {

class RecordingObserver : public TreeObserver {
 public:
  void OnCtrlError(int16_t code, Index index) override {
    Log("error " + std::to_string(code) + " " + std::to_string(index));
  }
  void OnSelectionChanged(Index index) override { Log("change " + std::to_string(index)); }
  void OnContentChanged() override { ++repaints; }
  void OnEndEdit() override { ++editEnds; }

  // The recorded events joined by "; " and cleared, for one-line comparisons.
  std::string Take() {
    std::string joined;
    for (const std::string& e : events) joined += (joined.empty() ? "" : "; ") + e;
    events.clear();
    return joined;
  }

  std::vector<std::string> events;
  int repaints = 0;
  int editEnds = 0;

 private:
  void Log(const std::string& e) { events.push_back(e); }
};

// Builds a list from "text:level" items through AddNode with position 0.
inline void Fill(TreeModel& model, std::initializer_list<std::pair<const wchar_t*, int>> items) {
  for (const auto& item : items) model.AddNode(item.first, kAppend, item.second);
}

}  // namespace kv::tree::testing
