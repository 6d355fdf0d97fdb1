// Filling and styling the function trees (see function_tree.h).
#include "app/pages/core/function_tree.h"

#include <string>

namespace kv {

int CargoFunction(const std::string& cargo) {
  if (cargo.empty() || cargo.size() > 6) return -1;
  int n = 0;
  for (char c : cargo) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

namespace {
bool Shown(const FunctionRecord& f, int page, int group, int osFilter) {
  return f.Page == page && f.Group == group && (f.OsFilter == 2 || f.OsFilter == osFilter);
}

// Every function line's text is its caption and a blank, as the on/off lines always had: the value a
// text or number line shows after its caption then keeps the same distance on every line.
void AddFunctionLine(FunctionTreeView& tree, int n, const FunctionRecord& f, FunctionSource& source) {
  const std::string text = f.Caption + " ";
  int line = -1;
  switch (f.InputKind) {
    case InputOnOff:
      line = tree.AddNode(text, 0, kFunctionLevel);
      tree.SetNodeColumnCheck(line, 1, source.ReadCheckState(n));
      break;
    case InputText:
      line = tree.AddPictureNode(text, 0, kFunctionLevel, 3, 3, 0);
      tree.SetNodeSubText(line, source.ReadValueText(n) + f.Unit);
      tree.SetNodeShowChecks(line, false);
      break;
    case InputNumber:
      line = tree.AddPictureNode(text, 0, kFunctionLevel, 4, 4, 0);
      tree.SetNodeSubText(line, "#" + source.ReadNumberText(n) + f.Unit);
      tree.SetNodeShowChecks(line, false);
      break;
    default:
      return;  // unknown input kinds are shown nowhere
  }
  tree.SetNodeCargo(line, std::to_string(n));
}
}  // namespace

void FillFunctionTree(FunctionTreeView& tree, int page, FunctionSource& source) {
  const int osFilter = source.RunningOsFilter();
  const int last = source.FktAnzahl();
  for (int g = 1; g <= kGroupsPerPage; ++g) {
    const std::string caption = source.GroupCaption(page, g);
    if (caption.empty()) continue;
    int groupLine = tree.AddPictureNode(caption, 0, 0, 1, 2, 0);
    tree.SetNodeExpanded(groupLine, true);
    tree.SetNodeShowChecks(groupLine, false);
    tree.SetNodeFontBold(groupLine, kGroupFontStyle);
    for (int n = 0; n <= last; ++n) {
      const FunctionRecord* f = source.Function(n);
      if (f && Shown(*f, page, g, osFilter)) AddFunctionLine(tree, n, *f, source);
    }
  }
  if (tree.ListCount() > 1) tree.SetSelected(1);
}

void ApplyTreeStyleTo(FunctionTreeView& tree, int style) {
  switch (style) {
    case 0: tree.SetTreeStyle(false, false); break;
    case 1: tree.SetTreeStyle(true, false); break;
    case 2: tree.SetTreeStyle(true, true); break;
    default: break;
  }
}

}  // namespace kv
