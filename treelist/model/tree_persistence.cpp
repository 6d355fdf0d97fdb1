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

std::wstring Hex(const std::vector<uint8_t>& bytes) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring out;
  out.reserve(bytes.size() * 2);
  for (uint8_t b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

int Nibble(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

bool FromHex(const std::wstring& text, std::vector<uint8_t>* out) {
  out->clear();
  if (text.size() % 2) return false;
  for (size_t i = 0; i < text.size(); i += 2) {
    int high = Nibble(text[i]), low = Nibble(text[i + 1]);
    if (high < 0 || low < 0) {
      out->clear();
      return false;
    }
    out->push_back(static_cast<uint8_t>(high << 4 | low));
  }
  return true;
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
  bag.WriteText(kHeaderData, Hex(headerData));
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
  std::wstring hex;
  headerData->clear();
  if (bag.ReadText(kHeaderData, &hex)) FromHex(hex, headerData);
}

}  // namespace kv::tree
