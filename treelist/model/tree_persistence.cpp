// Saving and loading the tree-list's design-time properties by name (see tree_persistence.h).
#include "treelist/model/tree_persistence.h"

namespace kv::tree {
namespace {

const char* const kNames[kPropLast] = {
    "BackColor",
    "ForeColor",
    "FontName",
    "FontBold",
    "FontItalic",
    "FontStrikethru",
    "FontUnderline",
    "FontSize",
    "PicCols",
    "PicRows",
    "Picture",
    "BorderType",
    "BorderColor",
    "LoadType",
    "HeightOffset",
    "TextXOffset",
    "TextYOffset",
    "PictureClose",
    "PictureMinus",
    "PictureOpen",
    "PicturePlus",
    "PictureLeaf",
    "PictureType",
    "TreeLines",
    "TreeLineColor",
    "PicXOffset",
    "PicYOffset",
    "SelectedBackColor",
    "SelectedForeColor",
    "Selected",
    "MultiLine",
    "MultiSelect",
    "HorzScroll",
    "HorzRange",
    "ListCount",
    "PathSeparator",
    "HideLines",
    "TipsDisplay",
    "TipsDelay",
    "CloseOnCollapse",
    "TipsBackColor",
    "TipsForeColor",
    "ExpandOnDClick",
    "LineType",
    "ListIndex",
    "TipsText",
    "SubTextColor",
    "SubTextFont",
    "TitleAlign",
    "TitleBackColor",
    "TitleBackImage",
    "TitleBorder",
    "TitleFont",
    "TitleForeColor",
    "TitleOffset",
    "TitleText",
    "TitleTextStyle",
    "TitleXOffset",
    "TitleYOffset",
    "ShowTitle",
    "ShowHeader",
    "HeaderFont",
    "HeaderAlign",
    "HeaderBorder",
    "HeaderOffset",
    "HeaderXOffset",
    "HeaderYOffset",
    "HeaderBackColor",
    "HeaderForeColor",
    "HeaderPicCols",
    "HeaderPicRows",
    "HeaderPicture",
    "MaskBitmap",
    "MaskColor",
    "HorzAutoSize",
    "SelectedStyle",
    "BreakChar",
    "CheckPicDown",
    "CheckPicUp",
    "CheckXOffset",
    "CheckYOffset",
    "CheckAlign",
    "ScrollOnHThumb",
    "ScrollOnVThumb",
    "VirtualAlign",
    "VirtualForeColor",
    "VirtualText",
    "TipsType",
    "TipsOnScroll",
    "TipsPosition",
    "TipsDistance",
    "RadioPicDown",
    "RadioPicUp",
    "RadioXOffset",
    "RadioYOffset",
    "SmoothScroll",
    "ScrollSpeed",
    "NoFocusBackColor",
    "NoFocusForeColor",
    "LabelEdit",
    "FocusType",
    "EditText",
    "UseImageList",
    "ImageListCount",
    "PicAlign",
    "BackImage",
    "SortDirection",
    "SortOnCase",
    "SortColumn",
    "SortArrows",
    "ArrowAlign",
    "ArrowXOffset",
    "ArrowYOffset",
    "SmallIcons",
    "CheckPicDisabled",
};

constexpr char kHeaderData[] = "HeaderData";
constexpr char kFontSize[] = "FontSize";  // in hundredths of a point

// Values of the running control, not of its design.
bool RunTimeOnly(int id) {
  return id == kPropSelected || id == kPropListCount || id == kPropListIndex || id == kPropEditText ||
         id == kPropImageListCount;
}

bool Persisted(int id, PropertyKind* kind) {
  *kind = PropertyInfoOf(id).kind;
  return !RunTimeOnly(id) && *kind != PropertyKind::Picture && *kind != PropertyKind::Font &&
         *kind != PropertyKind::Float;
}

}  // namespace

const char* PropertyName(int id) { return PlainProperties::Valid(id) ? kNames[id - 1] : nullptr; }

void SaveTreeProperties(const PlainProperties& props, const std::vector<uint8_t>& headerData, kv::persist::Bag& bag) {
  for (int id = 1; id <= kPropLast; ++id) {
    PropertyKind kind;
    if (!Persisted(id, &kind)) continue;
    if (kind == PropertyKind::Text)
      bag.WriteText(kNames[id - 1], props.Text(id));
    else
      bag.WriteNumber(kNames[id - 1], props.Number(id));
  }
  bag.WriteNumber(kFontSize, static_cast<int32_t>(props.FontSize() * 100 + 0.5f));
  kv::persist::WriteBytes(bag, kHeaderData, headerData);
}

void LoadTreeProperties(const kv::persist::Bag& bag, PlainProperties* props, std::vector<uint8_t>* headerData) {
  for (int id = 1; id <= kPropLast; ++id) {
    PropertyKind kind;
    if (!Persisted(id, &kind)) continue;
    if (kind == PropertyKind::Text) {
      std::wstring text;
      if (bag.ReadText(kNames[id - 1], &text)) props->SetText(id, text);
    } else {
      int32_t value = 0;
      if (bag.ReadNumber(kNames[id - 1], &value)) props->SetNumber(id, value);  // refused values keep theirs
    }
  }
  int32_t hundredths = 0;
  if (bag.ReadNumber(kFontSize, &hundredths)) props->SetFontSize(static_cast<float>(hundredths) / 100.0f);
  kv::persist::ReadBytes(bag, kHeaderData, headerData);
}

}  // namespace kv::tree
