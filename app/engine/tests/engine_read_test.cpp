// Reading a function's state and value: the three value kinds, the missing marker, the two DWORD
// sentinels, bit states and the read clamp.
#include "app/engine/tests/engine_fixture.h"

namespace kv::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST_F(EngineTest, TextStateMatchesIgnoringCase) {
  StateFunction(0, KindText, "yes", 1, 5);
  EXPECT_EQ(engine_.ReadCheckState(0), 5);  // absent
  PutRaw("state", kRegSz, {'Y', 'e', 's', 0});
  EXPECT_EQ(engine_.ReadCheckState(0), 1);
  PutRaw("state", kRegSz, {'n', 'o', 0});
  EXPECT_EQ(engine_.ReadCheckState(0), 0);  // present, not matching: the opposite of matching
  StateFunction(0, KindText, "yes", 0, 5);
  EXPECT_EQ(engine_.ReadCheckState(0), 1);
}

TEST_F(EngineTest, NoKeyOnValueMatchesAnAbsentValue) {
  StateFunction(1, KindText, "NoKey", 1, 0);
  EXPECT_EQ(engine_.ReadCheckState(1), 1);
  PutRaw("state", kRegSz, {'a', 'n', 'y', 0});
  EXPECT_EQ(engine_.ReadCheckState(1), 0);
  PutRaw("state", kRegSz, {'n', 'o', 'k', 'e', 'y', 0});  // stored text "nokey" reads like absent
  EXPECT_EQ(engine_.ReadCheckState(1), 1);
  StateFunction(2, KindBinary, "NoKey", 2, 7).StateValueName = "bin";
  EXPECT_EQ(engine_.ReadCheckState(2), 2);
  Fn(2).OnValue = "nokey";  // binary compares the marker exactly
  EXPECT_EQ(engine_.ReadCheckState(2), 7);
  PutRaw("bin", kRegBinary, {0x01});
  EXPECT_EQ(engine_.ReadCheckState(2), 0);
}

TEST_F(EngineTest, DwordStateSentinelAndNumberOfOnValue) {
  StateFunction(0, KindDword, "&H10", 1, 3);
  EXPECT_EQ(engine_.ReadCheckState(0), 3);
  PutRaw("state", kRegDword, {0x3F, 0x42, 0x0F, 0x00});  // 999999 really stored: counts as absent
  EXPECT_EQ(engine_.ReadCheckState(0), 3);
  PutRaw("state", kRegDword, {0x10, 0, 0, 0});
  EXPECT_EQ(engine_.ReadCheckState(0), 1);
  PutRaw("state", kRegDword, {0x11, 0, 0, 0});
  EXPECT_EQ(engine_.ReadCheckState(0), 0);
}

TEST_F(EngineTest, BinaryStateComparesExactly) {
  StateFunction(0, KindBinary, "0a", 1, 3);
  PutRaw("state", kRegBinary, {0x0A});
  EXPECT_EQ(engine_.ReadCheckState(0), 0);
  Fn(0).OnValue = "0A";
  EXPECT_EQ(engine_.ReadCheckState(0), 1);
}

TEST_F(EngineTest, BitStateTestsOneBitOfTheBinaryValue) {
  StateFunction(0, KindBinary, "%BIT%5", 1, 0);
  PutRaw("state", kRegBinary, {0x20, 0x00});
  EXPECT_EQ(engine_.ReadCheckState(0), 1);
  PutRaw("state", kRegBinary, {0x00, 0x20});
  EXPECT_EQ(engine_.ReadCheckState(0), 0);
  Fn(0).OnValue = "%BIT%13";
  EXPECT_EQ(engine_.ReadCheckState(0), 1);
  Fn(0).OnValue = "%BIT%31";
  PutRaw("state", kRegBinary, {0, 0, 0, 0x80});
  EXPECT_EQ(engine_.ReadCheckState(0), 1);
  Fn(0).OnValue = "%BIT%40";  // no such bit: clear
  EXPECT_EQ(engine_.ReadCheckState(0), 0);
}

TEST_F(EngineTest, UnknownKindAndNumbersOutsideTheCatalogue) {
  StateFunction(0, 7, "x", 1, 0);
  EXPECT_EQ(engine_.ReadCheckState(0), 0);
  StateFunction(0, 7, "x", 0, 1);
  EXPECT_EQ(engine_.ReadCheckState(0), 1);
  EXPECT_EQ(engine_.ReadCheckState(-1), 0);
  EXPECT_EQ(engine_.ReadCheckState(10), 0);
  EXPECT_EQ(engine_.ReadValueText(10), "");
  EXPECT_EQ(engine_.ReadNumberText(-3), "");
}

TEST_F(EngineTest, ValueTextFromEachKind) {
  FunctionRecord& f = StateFunction(0, KindText, "");
  f.DefaultText = "default";
  EXPECT_EQ(engine_.ReadValueText(0), "default");
  PutRaw("state", kRegSz, {'C', ':', '\\', 0});
  EXPECT_EQ(engine_.ReadValueText(0), "C:\\");
  f.StateValueKind = KindDword;
  EXPECT_EQ(engine_.ReadValueText(0), "6044227");  // the text's bytes as a number: type is not checked
  PutRaw("state", kRegDword, {0x9F, 0x86, 0x01, 0x00});  // 99999: the value sentinel
  EXPECT_EQ(engine_.ReadValueText(0), "default");
  PutRaw("state", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(engine_.ReadValueText(0), "-1");
  f.StateValueKind = KindBinary;
  EXPECT_EQ(engine_.ReadValueText(0), "FFFFFFFF");
}

TEST_F(EngineTest, NumberTextDefaultsSentinelAndClamp) {
  FunctionRecord& f = StateFunction(0, KindDword, "");
  f.DefaultNumber = 400;
  f.Maximum = 500;
  EXPECT_EQ(engine_.ReadNumberText(0), "400");
  PutRaw("state", kRegDword, {0x9F, 0x86, 0x01, 0x00});  // 99999 shows the default
  EXPECT_EQ(engine_.ReadNumberText(0), "400");
  PutRaw("state", kRegDword, {0x20, 0x03, 0, 0});  // 800
  EXPECT_EQ(engine_.ReadNumberText(0), "500");
  f.Maximum = 0;
  f.Minimum = 900;  // not applied when reading
  EXPECT_EQ(engine_.ReadNumberText(0), "800");
  f.StateValueKind = KindText;
  f.Maximum = 500;
  PutRaw("state", kRegSz, {' ', '6', '0', '0', 'm', 's', 0});
  EXPECT_EQ(engine_.ReadNumberText(0), "500");
  PutRaw("state", kRegSz, {'1', '2', 'm', 's', 0});
  EXPECT_EQ(engine_.ReadNumberText(0), "12ms");  // text kept unchanged
  f.StateValueKind = KindBinary;
  EXPECT_EQ(engine_.ReadNumberText(0), "400");  // binary numbers are not supported
}

}  // namespace
}  // namespace kv::test
