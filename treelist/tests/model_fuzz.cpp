// Fuzz target: bytes drive a sequence of tree-list model operations (every mutating call with
// arbitrary arguments) and the column block reader; the structural invariants must hold throughout.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "treelist/model/tree_layout.h"
#include "treelist/model/tree_model.h"

namespace {

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  int Next() { return at_ < size_ ? data_[at_++] : 0; }
  int Signed() { return static_cast<int8_t>(Next()); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kv::tree::Columns columns;
  columns.Deserialise(std::vector<uint8_t>(data, data + size));

  using namespace kv::tree;
  TreeModel model;
  TreeLayout layout(model);
  LayoutMetrics metrics;
  metrics.width = 200;
  metrics.height = 150;
  layout.SetMetrics(metrics);
  Bytes in(data, size);
  while (!in.Empty()) {
    switch (in.Next() % 14) {
      case 0:
        model.AddNode(L"n", in.Signed(), in.Signed());
        break;
      case 1:
        model.InsertNode(L"i", in.Signed(), in.Signed());
        break;
      case 2:
        model.RemoveNode(in.Signed());
        break;
      case 3:
        model.RemoveChildren(in.Signed());
        break;
      case 4:
        model.SetSelected(in.Signed());
        break;
      case 5:
        model.SetNode(NodeField::Expanded, in.Signed(), in.Next() & 1);
        break;
      case 6:
        model.MoveNode(in.Signed(), in.Signed(), in.Signed());
        break;
      case 7:
        model.Sort(in.Signed(), in.Next() & 1, in.Next() & 1, in.Next() & 1);
        break;
      case 8:
        model.SetNodeColumnCheck(in.Signed(), in.Signed(), in.Signed());
        break;
      case 9:
        model.InsertColumn(L"c", int16_t(in.Signed()), in.Signed());
        break;
      case 10:
        model.RemoveColumn(in.Signed());
        break;
      case 11:
        model.SetNode(NodeField::RadioSet, in.Signed(), in.Next() & 1);
        break;
      case 12:
        model.FindNext(in.Signed());
        break;
      case 13:
        layout.HitTest(in.Signed() * 2, in.Signed() * 2);
        layout.EnsureVisible(in.Signed());
        model.Nodes().BuildBranchEnds();
        break;
    }
    if (!model.CheckInvariants().empty()) std::abort();
  }
  return 0;
}
