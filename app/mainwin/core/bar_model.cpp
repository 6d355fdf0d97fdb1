// Bar control model (see bar_model.h).
#include "app/mainwin/core/bar_model.h"

#include <cctype>

namespace kv {

namespace {
BarBand* FindBand(std::vector<BarBand>& bands, const std::string& name) {
  for (BarBand& b : bands) {
    if (b.Name == name) return &b;
    if (BarBand* g = FindBand(b.Groups, name)) return g;
  }
  return nullptr;
}
}  // namespace

BarBand& BarModel::AddBand(const std::string& name, BandKind kind, const std::string& caption) {
  bands_.push_back(BarBand{});
  BarBand& b = bands_.back();
  b.Name = name;
  b.Kind = kind;
  b.Caption = caption;
  ++generation_;
  return b;
}

BarBand* BarModel::Band(const std::string& name) { return FindBand(bands_, name); }

const BarBand* BarModel::Band(const std::string& name) const {
  return FindBand(const_cast<std::vector<BarBand>&>(bands_), name);
}

BarTool* BarModel::Tool(const std::string& band, const std::string& name) {
  BarBand* b = Band(band);
  if (!b) return nullptr;
  for (BarTool& t : b->Tools)
    if (t.Name == name) return &t;
  for (BarBand& g : b->Groups)
    for (BarTool& t : g.Tools)
      if (t.Name == name) return &t;
  return nullptr;
}

BarTool* BarModel::ToolById(const std::string& band, int id) {
  BarBand* b = Band(band);
  if (!b) return nullptr;
  for (BarTool& t : b->Tools)
    if (t.Id == id) return &t;
  for (BarBand& g : b->Groups)
    for (BarTool& t : g.Tools)
      if (t.Id == id) return &t;
  return nullptr;
}

BarTool* BarModel::AddTool(const std::string& band, int id, const std::string& name) {
  BarBand* b = Band(band);
  if (!b) return nullptr;
  BarTool t;
  t.Id = id;
  t.Name = name;
  b->Tools.push_back(t);
  ++generation_;
  return &b->Tools.back();
}

bool BarModel::RemoveTool(const std::string& band, const std::string& name) {
  BarBand* b = Band(band);
  if (!b) return false;
  for (auto it = b->Tools.begin(); it != b->Tools.end(); ++it) {
    if (it->Name == name) {
      b->Tools.erase(it);
      ++generation_;
      return true;
    }
  }
  return false;
}

bool BarModel::SetBandVisible(const std::string& band, bool visible) {
  BarBand* b = Band(band);
  if (!b) return false;
  b->Visible = visible;
  ++generation_;
  return true;
}

bool BarModel::SetBandLook(const std::string& band, const BandLook& look) {
  BarBand* b = Band(band);
  if (!b) return false;
  const bool known = look.BackStyle >= kBackSingleColour && look.BackStyle <= kBackPattern;
  const int style = known ? look.BackStyle : b->Look.BackStyle;
  b->Look = look;
  b->Look.BackStyle = style;
  for (std::uint32_t* c : {&b->Look.BackColor, &b->Look.BackEndColor, &b->Look.FolderTextColor, &b->Look.ToolTextColor})
    *c &= 0xFFFFFFu;
  return true;
}

void BarModel::SelectGroup(int group) {
  const BarBand* side = Band("SideBar");
  if (!side || group < 0 || group >= static_cast<int>(side->Groups.size()) || group == activeGroup_) return;
  activeGroup_ = group;
  ++generation_;
  if (events_) events_->GroupChange(group);
}

bool BarModel::RequestOpen(const std::string& band) {
  BarBand* b = Band(band);
  bool cancel = false;
  if (b && events_) events_->BandOpen(*b, &cancel);
  if (band == kCustomizeBand) cancel = true;
  return b != nullptr && !cancel;
}

bool BarModel::Raise(const BarBand& band, const BarTool& tool) {
  if (!tool.Enabled || !tool.Visible || tool.Style == ToolStyle::Separator) return false;
  if (events_) events_->ToolClick(band, tool);
  return true;
}

bool BarModel::Click(const std::string& band, const std::string& toolName) {
  BarBand* b = Band(band);
  BarTool* t = Tool(band, toolName);
  if (!b || !t) return false;
  BarTool copy = *t;  // the handler may add or remove tools
  return Raise(*b, copy);
}

bool BarModel::ClickId(const std::string& band, int id) {
  BarBand* b = Band(band);
  BarTool* t = ToolById(band, id);
  if (!b || !t) return false;
  BarTool copy = *t;
  return Raise(*b, copy);
}

std::string CaptionDisplayText(const std::string& caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}

char CaptionAccessKey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

}  // namespace kv
