// A tree-list stand-in for the page tests: keeps lines with their texts, pictures, checks and cargo.
#pragma once

#include <string>
#include <vector>

#include "app/pages/core/function_tree.h"

namespace kv {

struct FakeLine {
  std::string Text, SubText, Cargo;
  int Level = 0, Picture = 0, OpenPicture = 0, SelectedPicture = 0, FontBold = 0, Check = 0;
  bool Expanded = false, ShowChecks = true;
};

class FakeTree : public FunctionTreeView {
 public:
  std::vector<FakeLine> lines;
  int selected = -1;
  bool treeLines = false, plusMinus = false;
  int redraws = 0;

  int AddNode(const std::string& text, int, int level) override {
    FakeLine l;
    l.Text = text;
    l.Level = level;
    lines.push_back(l);
    return static_cast<int>(lines.size()) - 1;
  }
  int AddPictureNode(const std::string& text, int position, int level, int pic, int open, int sel) override {
    int i = AddNode(text, position, level);
    lines[i].Picture = pic;
    lines[i].OpenPicture = open;
    lines[i].SelectedPicture = sel;
    return i;
  }
  void SetNodeExpanded(int line, bool e) override { lines.at(line).Expanded = e; }
  void SetNodeShowChecks(int line, bool s) override { lines.at(line).ShowChecks = s; }
  void SetNodeFontBold(int line, int s) override { lines.at(line).FontBold = s; }
  int NodeFontBold(int line) const override { return lines.at(line).FontBold; }
  void SetNodeColumnCheck(int line, int, int v) override { lines.at(line).Check = v; }
  int NodeColumnCheck(int line, int) const override { return lines.at(line).Check; }
  void SetNodeSubText(int line, const std::string& t) override { lines.at(line).SubText = t; }
  void SetNodeCargo(int line, const std::string& c) override { lines.at(line).Cargo = c; }
  std::string NodeCargo(int line) const override { return lines.at(line).Cargo; }
  int ListCount() const override { return static_cast<int>(lines.size()); }
  int Selected() const override { return selected; }
  void SetSelected(int line) override { selected = line; }
  void SetTreeStyle(bool l, bool p) override { treeLines = l; plusMinus = p; }
  void Redraw() override { ++redraws; }
};

}  // namespace kv
