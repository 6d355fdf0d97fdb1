// Plain properties: the defaults a new control starts from and the values each kind accepts.
#include <gtest/gtest.h>

#include "treelist/model/plain_properties.h"

namespace kv::tree {
namespace {

TEST(PlainProperties, StartFromTheControlDefaults) {
  PlainProperties p;
  EXPECT_EQ(p.Number(kPropBackColor), 0xFFFFFF);
  EXPECT_EQ(uint32_t(p.Number(kPropForeColor)), 0x80000012u);
  EXPECT_EQ(p.Number(kPropSelectedBackColor), 0x800000);
  EXPECT_EQ(p.Number(kPropSubTextColor), 0xFF0000);
  EXPECT_EQ(p.Number(kPropTipsBackColor), 0xE0FFFF);
  EXPECT_EQ(p.Number(kPropPictureType), 3);
  EXPECT_EQ(p.Number(kPropBorderType), 3);
  EXPECT_EQ(p.Number(kPropLineType), 1);
  EXPECT_EQ(p.Number(kPropSelectedStyle), 2);
  EXPECT_EQ(p.Number(kPropArrowAlign), 1);
  EXPECT_EQ(p.Number(kPropPicCols), 1);
  EXPECT_EQ(p.Number(kPropTipsDelay), 10);
  EXPECT_EQ(p.Number(kPropScrollSpeed), 15);
  EXPECT_EQ(p.Number(kPropSelected), -1);
  EXPECT_TRUE(p.Flag(kPropTreeLines));
  EXPECT_TRUE(p.Flag(kPropExpandOnDClick));
  EXPECT_TRUE(p.Flag(kPropScrollOnVThumb));
  EXPECT_TRUE(p.Flag(kPropSortArrows));
  EXPECT_FALSE(p.Flag(kPropShowTitle));
  EXPECT_FALSE(p.Flag(kPropLabelEdit));
  EXPECT_EQ(p.Number(kPropHeightOffset), 0);
  EXPECT_EQ(p.Text(kPropPathSeparator), L"\\");
  EXPECT_EQ(p.Text(kPropTitleText), L"");
}

TEST(PlainProperties, EachKindKeepsItsRange) {
  PlainProperties p;
  EXPECT_TRUE(p.SetNumber(kPropShowTitle, 1));
  EXPECT_EQ(p.Number(kPropShowTitle), -1) << "Booleans are stored as -1";
  EXPECT_FALSE(p.SetNumber(kPropPictureType, 4));
  EXPECT_FALSE(p.SetNumber(kPropBorderType, -1));
  EXPECT_EQ(p.Number(kPropPictureType), 3);
  EXPECT_TRUE(p.SetNumber(kPropPictureType, 0));
  EXPECT_FALSE(p.SetNumber(kPropPicCols, 0)) << "a strip has at least one column";
  EXPECT_FALSE(p.SetNumber(kPropHeightOffset, 40000));
  EXPECT_FALSE(p.SetNumber(kPropTitleText, 1)) << "a text is no number";
  EXPECT_FALSE(p.SetNumber(0, 1));
  EXPECT_FALSE(p.SetNumber(kPropLast + 1, 1));
  EXPECT_EQ(p.Number(kPropLast + 1), 0);
  p.SetText(kPropFontName, L"");
  EXPECT_EQ(p.Text(kPropFontName), L"MS Sans Serif") << "an empty font name keeps the old one";
  p.SetFontSize(-3);
  EXPECT_FLOAT_EQ(p.FontSize(), 8.25f);
}

}  // namespace
}  // namespace kv::tree
