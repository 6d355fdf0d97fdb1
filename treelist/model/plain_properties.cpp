// Defaults and storage of the tree-list control's plain properties.
#include "treelist/model/plain_properties.h"

namespace kv::tree {

namespace {
constexpr PropertyKind C = PropertyKind::Colour, B = PropertyKind::Boolean, S = PropertyKind::Short,
                       L = PropertyKind::Long, T = PropertyKind::Text, P = PropertyKind::Picture,
                       F = PropertyKind::Font, R = PropertyKind::Float, E = PropertyKind::Enum;

const PropertyInfo kInfo[kPropLast + 1] = {
    {L, 0},
    {C, 0xFFFFFF},              // 1 BackColor
    {C, int32_t(0x80000012u)},  // 2 ForeColor
    {T, 0},                     // 3 FontName
    {B, 0},                     // 4 FontBold
    {B, 0},                     // 5 FontItalic
    {B, 0},                     // 6 FontStrikethru
    {B, 0},                     // 7 FontUnderline
    {R, 0},                     // 8 FontSize
    {S, 1},                     // 9 PicCols
    {S, 1},                     // 10 PicRows
    {P, 0},                     // 11 Picture
    {E, 3},                     // 12 BorderType
    {C, 0},                     // 13 BorderColor
    {E, 0},                     // 14 LoadType
    {S, 0},                     // 15 HeightOffset
    {S, 0},                     // 16 TextXOffset
    {S, 0},                     // 17 TextYOffset
    {P, 0},                     // 18 PictureClose
    {P, 0},                     // 19 PictureMinus
    {P, 0},                     // 20 PictureOpen
    {P, 0},                     // 21 PicturePlus
    {P, 0},                     // 22 PictureLeaf
    {E, 3},                     // 23 PictureType
    {B, -1},                    // 24 TreeLines
    {C, 0},                     // 25 TreeLineColor
    {S, 0},                     // 26 PicXOffset
    {S, 0},                     // 27 PicYOffset
    {C, 0x800000},              // 28 SelectedBackColor
    {C, 0xFFFFFF},              // 29 SelectedForeColor
    {L, -1},                    // 30 Selected
    {B, 0},                     // 31 MultiLine
    {B, 0},                     // 32 MultiSelect
    {B, 0},                     // 33 HorzScroll
    {S, 1},                     // 34 HorzRange
    {L, 0},                     // 35 ListCount
    {T, 0},                     // 36 PathSeparator
    {S, 0},                     // 37 HideLines
    {B, 0},                     // 38 TipsDisplay
    {S, 10},                    // 39 TipsDelay
    {B, 0},                     // 40 CloseOnCollapse
    {C, 0xE0FFFF},              // 41 TipsBackColor
    {C, int32_t(0x80000012u)},  // 42 TipsForeColor
    {B, -1},                    // 43 ExpandOnDClick
    {E, 1},                     // 44 LineType
    {L, -1},                    // 45 ListIndex
    {T, 0},                     // 46 TipsText
    {C, 0xFF0000},              // 47 SubTextColor
    {F, 0},                     // 48 SubTextFont
    {E, 2},                     // 49 TitleAlign
    {C, 0xC0C0C0},              // 50 TitleBackColor
    {P, 0},                     // 51 TitleBackImage
    {E, 2},                     // 52 TitleBorder
    {F, 0},                     // 53 TitleFont
    {C, int32_t(0x80000012u)},  // 54 TitleForeColor
    {S, 0},                     // 55 TitleOffset
    {T, 0},                     // 56 TitleText
    {S, 0},                     // 57 TitleTextStyle
    {S, 0},                     // 58 TitleXOffset
    {S, 0},                     // 59 TitleYOffset
    {B, 0},                     // 60 ShowTitle
    {B, 0},                     // 61 ShowHeader
    {F, 0},                     // 62 HeaderFont
    {E, 2},                     // 63 HeaderAlign
    {E, 2},                     // 64 HeaderBorder
    {S, 0},                     // 65 HeaderOffset
    {S, 0},                     // 66 HeaderXOffset
    {S, 0},                     // 67 HeaderYOffset
    {C, 0xC0C0C0},              // 68 HeaderBackColor
    {C, int32_t(0x80000012u)},  // 69 HeaderForeColor
    {S, 1},                     // 70 HeaderPicCols
    {S, 1},                     // 71 HeaderPicRows
    {P, 0},                     // 72 HeaderPicture
    {B, 0},                     // 73 MaskBitmap
    {C, 0xFF0000},              // 74 MaskColor
    {B, 0},                     // 75 HorzAutoSize
    {E, 2},                     // 76 SelectedStyle
    {T, 0},                     // 77 BreakChar
    {P, 0},                     // 78 CheckPicDown
    {P, 0},                     // 79 CheckPicUp
    {S, 0},                     // 80 CheckXOffset
    {S, 0},                     // 81 CheckYOffset
    {E, 2},                     // 82 CheckAlign
    {B, 0},                     // 83 ScrollOnHThumb
    {B, -1},                    // 84 ScrollOnVThumb
    {S, 0},                     // 85 VirtualAlign
    {C, 0},                     // 86 VirtualForeColor
    {T, 0},                     // 87 VirtualText
    {E, 0},                     // 88 TipsType
    {B, 0},                     // 89 TipsOnScroll
    {E, 0},                     // 90 TipsPosition
    {S, 10},                    // 91 TipsDistance
    {P, 0},                     // 92 RadioPicDown
    {P, 0},                     // 93 RadioPicUp
    {S, 0},                     // 94 RadioXOffset
    {S, 0},                     // 95 RadioYOffset
    {B, 0},                     // 96 SmoothScroll
    {S, 15},                    // 97 ScrollSpeed
    {C, 0xC0C0C0},              // 98 NoFocusBackColor
    {C, 0},                     // 99 NoFocusForeColor
    {B, 0},                     // 100 LabelEdit
    {E, 0},                     // 101 FocusType
    {T, 0},                     // 102 EditText
    {B, 0},                     // 103 UseImageList
    {S, 0},                     // 104 ImageListCount
    {S, 0},                     // 105 PicAlign
    {P, 0},                     // 106 BackImage
    {E, 0},                     // 107 SortDirection
    {B, 0},                     // 108 SortOnCase
    {S, 0},                     // 109 SortColumn
    {B, -1},                    // 110 SortArrows
    {E, 1},                     // 111 ArrowAlign
    {S, 0},                     // 112 ArrowXOffset
    {S, 0},                     // 113 ArrowYOffset
    {B, 0},                     // 114 SmallIcons
    {P, 0},                     // 115 CheckPicDisabled
};

// Highest value of each enumerated property (values run from 0).
int EnumMax(int id) {
  switch (id) {
    case kPropBorderType:
      return 3;
    case kPropPictureType:
      return 3;
    case kPropLoadType:
    case kPropLineType:
    case kPropTipsPosition:
    case kPropFocusType:
    case kPropSortDirection:
    case kPropArrowAlign:
      return 1;
    case kPropTitleBorder:
    case kPropHeaderBorder:
    case kPropTitleAlign:
    case kPropHeaderAlign:
    case kPropCheckAlign:
    case kPropSelectedStyle:
      return 2;
    case kPropTipsType:
      return 3;
    default:
      return 0x7FFF;
  }
}
}  // namespace

const PropertyInfo& PropertyInfoOf(int id) { return kInfo[PlainProperties::Valid(id) ? id : 0]; }

PlainProperties::PlainProperties() {
  for (int id = 1; id <= kPropLast; ++id) numbers_[size_t(id)] = kInfo[id].defaultValue;
}

bool PlainProperties::SetNumber(int id, int32_t value) {
  if (!Valid(id)) return false;
  switch (kInfo[id].kind) {
    case PropertyKind::Enum:
      if (value < 0 || value > EnumMax(id)) return false;
      break;
    case PropertyKind::Boolean:
      value = value ? -1 : 0;
      break;
    case PropertyKind::Short:
      if (value < -0x8000 || value > 0x7FFF) return false;
      if ((id == kPropPicCols || id == kPropPicRows || id == kPropHeaderPicCols || id == kPropHeaderPicRows) &&
          value < 1)
        return false;
      break;
    case PropertyKind::Text:
    case PropertyKind::Picture:
    case PropertyKind::Font:
    case PropertyKind::Float:
      return false;
    default:
      break;
  }
  numbers_[size_t(id)] = value;
  return true;
}

const std::wstring& PlainProperties::Text(int id) const {
  static const std::wstring empty;
  switch (id) {
    case kPropPathSeparator:
      return pathSeparator_;
    case kPropFontName:
      return fontName_;
    case kPropTipsText:
      return tipsText_;
    case kPropTitleText:
      return titleText_;
    case kPropBreakChar:
      return breakChar_;
    case kPropVirtualText:
      return virtualText_;
    case kPropEditText:
      return editText_;
    default:
      return empty;
  }
}

void PlainProperties::SetText(int id, const std::wstring& text) {
  switch (id) {
    case kPropPathSeparator:
      pathSeparator_ = text;
      break;
    case kPropFontName:
      if (!text.empty()) fontName_ = text;
      break;
    case kPropTipsText:
      tipsText_ = text;
      break;
    case kPropTitleText:
      titleText_ = text;
      break;
    case kPropBreakChar:
      breakChar_ = text;
      break;
    case kPropVirtualText:
      virtualText_ = text;
      break;
    case kPropEditText:
      editText_ = text;
      break;
    default:
      break;
  }
}

}  // namespace kv::tree
