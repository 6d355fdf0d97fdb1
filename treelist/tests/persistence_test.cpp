// A tree-list designed in a container (colours, texts, font size, columns) is saved to the stream
// form and loaded into a fresh control's properties with equal values; damaged parts keep defaults.
#include "treelist/model/tree_persistence.h"

#include <gtest/gtest.h>

#include "treelist/model/columns.h"

namespace kv::tree {
namespace {

TEST(TreePersistenceTest, DesignedPropertiesAndColumnsSurviveTheStream) {
  PlainProperties designed;
  designed.SetNumber(kPropBackColor, 0x00336699);
  designed.SetNumber(kPropShowHeader, -1);
  designed.SetNumber(kPropTipsDelay, 25);
  designed.SetNumber(kPropLineType, 0);
  designed.SetText(kPropTitleText, L"Laufwerke");
  designed.SetText(kPropPathSeparator, L"/");
  designed.SetFontSize(10.5f);
  Columns columns;
  columns.Add(L"Name", 140);
  columns.Add(L"Gr\x00F6\x00DF" L"e", 60);
  columns.At(2).textAlign = kAlignRight;
  columns.At(2).sortable = true;

  kv::persist::PropertyList saved;
  SaveTreeProperties(designed, columns.Serialise(), saved);
  std::vector<uint8_t> bytes = saved.Serialize();
  kv::persist::PropertyList stream;
  ASSERT_EQ(kv::persist::PropertyList::ParsePayload(bytes.data() + kv::persist::kHeaderSize,
                                                    bytes.size() - kv::persist::kHeaderSize, &stream),
            kv::persist::ParseError::None);

  PlainProperties fresh;
  std::vector<uint8_t> block;
  LoadTreeProperties(stream, &fresh, &block);
  for (int id = 1; id <= kPropLast; ++id) {
    if (id == kPropSelected) continue;  // run time only
    EXPECT_EQ(fresh.Number(id), designed.Number(id)) << PropertyName(id);
    EXPECT_EQ(fresh.Text(id), designed.Text(id)) << PropertyName(id);
  }
  EXPECT_FLOAT_EQ(fresh.FontSize(), 10.5f);
  Columns loaded;
  ASSERT_TRUE(loaded.Deserialise(block));
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded.At(2).caption, L"Gr\x00F6\x00DF" L"e");
  EXPECT_EQ(loaded.At(2).textAlign, kAlignRight);
  EXPECT_TRUE(loaded.At(2).sortable);
  EXPECT_EQ(loaded.At(1).width, 140);
}

TEST(TreePersistenceTest, RefusedValuesAndBadHeaderDataKeepDefaults) {
  kv::persist::PropertyList bag;
  bag.WriteNumber("LineType", 99);        // outside the enumeration
  bag.WriteText("BackColor", L"red");     // a text where a number belongs
  bag.WriteText("HeaderData", L"4G00");   // not hexadecimal
  bag.WriteNumber("TipsDelay", 3);
  PlainProperties fresh, defaults;
  std::vector<uint8_t> block = {1, 2, 3};
  LoadTreeProperties(bag, &fresh, &block);
  EXPECT_EQ(fresh.Number(kPropLineType), defaults.Number(kPropLineType));
  EXPECT_EQ(fresh.Number(kPropBackColor), defaults.Number(kPropBackColor));
  EXPECT_EQ(fresh.Number(kPropTipsDelay), 3);
  EXPECT_TRUE(block.empty());
  EXPECT_STREQ(PropertyName(kPropBackColor), "BackColor");
  EXPECT_STREQ(PropertyName(kPropCheckPicDisabled), "CheckPicDisabled");
}

}  // namespace
}  // namespace kv::tree
