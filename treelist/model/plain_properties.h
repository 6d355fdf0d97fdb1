// The plain (non-indexed) properties of the tree-list control by dispatch id, with their defaults.
// Numbers, colours, Booleans (0 / -1) and enumerations are kept as 32-bit values, texts apart;
// pictures and fonts live in the automation layer, which owns the objects.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kv::tree {

enum PropertyId : int {
  kPropBackColor = 1,
  kPropForeColor = 2,
  kPropFontName = 3,
  kPropFontBold = 4,
  kPropFontItalic = 5,
  kPropFontStrikethru = 6,
  kPropFontUnderline = 7,
  kPropFontSize = 8,
  kPropPicCols = 9,
  kPropPicRows = 10,
  kPropPicture = 11,
  kPropBorderType = 12,
  kPropBorderColor = 13,
  kPropLoadType = 14,
  kPropHeightOffset = 15,
  kPropTextXOffset = 16,
  kPropTextYOffset = 17,
  kPropPictureClose = 18,
  kPropPictureMinus = 19,
  kPropPictureOpen = 20,
  kPropPicturePlus = 21,
  kPropPictureLeaf = 22,
  kPropPictureType = 23,
  kPropTreeLines = 24,
  kPropTreeLineColor = 25,
  kPropPicXOffset = 26,
  kPropPicYOffset = 27,
  kPropSelectedBackColor = 28,
  kPropSelectedForeColor = 29,
  kPropSelected = 30,
  kPropMultiLine = 31,
  kPropMultiSelect = 32,
  kPropHorzScroll = 33,
  kPropHorzRange = 34,
  kPropListCount = 35,
  kPropPathSeparator = 36,
  kPropHideLines = 37,
  kPropTipsDisplay = 38,
  kPropTipsDelay = 39,
  kPropCloseOnCollapse = 40,
  kPropTipsBackColor = 41,
  kPropTipsForeColor = 42,
  kPropExpandOnDClick = 43,
  kPropLineType = 44,
  kPropListIndex = 45,
  kPropTipsText = 46,
  kPropSubTextColor = 47,
  kPropSubTextFont = 48,
  kPropTitleAlign = 49,
  kPropTitleBackColor = 50,
  kPropTitleBackImage = 51,
  kPropTitleBorder = 52,
  kPropTitleFont = 53,
  kPropTitleForeColor = 54,
  kPropTitleOffset = 55,
  kPropTitleText = 56,
  kPropTitleTextStyle = 57,
  kPropTitleXOffset = 58,
  kPropTitleYOffset = 59,
  kPropShowTitle = 60,
  kPropShowHeader = 61,
  kPropHeaderFont = 62,
  kPropHeaderAlign = 63,
  kPropHeaderBorder = 64,
  kPropHeaderOffset = 65,
  kPropHeaderXOffset = 66,
  kPropHeaderYOffset = 67,
  kPropHeaderBackColor = 68,
  kPropHeaderForeColor = 69,
  kPropHeaderPicCols = 70,
  kPropHeaderPicRows = 71,
  kPropHeaderPicture = 72,
  kPropMaskBitmap = 73,
  kPropMaskColor = 74,
  kPropHorzAutoSize = 75,
  kPropSelectedStyle = 76,
  kPropBreakChar = 77,
  kPropCheckPicDown = 78,
  kPropCheckPicUp = 79,
  kPropCheckXOffset = 80,
  kPropCheckYOffset = 81,
  kPropCheckAlign = 82,
  kPropScrollOnHThumb = 83,
  kPropScrollOnVThumb = 84,
  kPropVirtualAlign = 85,
  kPropVirtualForeColor = 86,
  kPropVirtualText = 87,
  kPropTipsType = 88,
  kPropTipsOnScroll = 89,
  kPropTipsPosition = 90,
  kPropTipsDistance = 91,
  kPropRadioPicDown = 92,
  kPropRadioPicUp = 93,
  kPropRadioXOffset = 94,
  kPropRadioYOffset = 95,
  kPropSmoothScroll = 96,
  kPropScrollSpeed = 97,
  kPropNoFocusBackColor = 98,
  kPropNoFocusForeColor = 99,
  kPropLabelEdit = 100,
  kPropFocusType = 101,
  kPropEditText = 102,
  kPropUseImageList = 103,
  kPropImageListCount = 104,
  kPropPicAlign = 105,
  kPropBackImage = 106,
  kPropSortDirection = 107,
  kPropSortOnCase = 108,
  kPropSortColumn = 109,
  kPropSortArrows = 110,
  kPropArrowAlign = 111,
  kPropArrowXOffset = 112,
  kPropArrowYOffset = 113,
  kPropSmallIcons = 114,
  kPropCheckPicDisabled = 115,
  kPropLast = 115,
};

enum class PropertyKind : uint8_t { Colour, Boolean, Short, Long, Text, Picture, Font, Float, Enum };

struct PropertyInfo {
  PropertyKind kind;
  int32_t defaultValue;
};

// Kind and default of every plain property (index = dispatch id; entry 0 unused).
const PropertyInfo& PropertyInfoOf(int id);

class PlainProperties {
 public:
  PlainProperties();
  int32_t Number(int id) const { return Valid(id) ? numbers_[size_t(id)] : 0; }
  bool Flag(int id) const { return Number(id) != 0; }
  // Stores a number; enumerations outside their range and negative counts are refused (false).
  bool SetNumber(int id, int32_t value);
  const std::wstring& Text(int id) const;
  void SetText(int id, const std::wstring& text);
  float FontSize() const { return fontSize_; }
  void SetFontSize(float size) { fontSize_ = size > 0 && size < 1000 ? size : fontSize_; }

  static bool Valid(int id) { return id >= 1 && id <= kPropLast; }

 private:
  std::array<int32_t, kPropLast + 1> numbers_{};
  std::wstring pathSeparator_ = L"\\";
  std::wstring fontName_ = L"MS Sans Serif";
  std::wstring tipsText_, titleText_, breakChar_, virtualText_, editText_;
  float fontSize_ = 8.25f;
};

}  // namespace kv::tree
