// Applying states and values: action modes and kinds, the bit operation, path variables in data, the
// success flag of the last write, the save confirmation, and the need bits raised.
#include "app/engine/tests/engine_fixture.h"

namespace kv::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

RegistryAction Write(const std::string& value, const std::string& data, std::int16_t kind) {
  return RegistryAction{kKey, value, data, kind, 0};
}

TEST_F(EngineTest, StateActionsWriteEachKindAndDelete) {
  FunctionRecord& f = Fn(0);
  f.OnActions = {Write("t", "%SYS%drivers%INPUT%", KindText), Write("d", " &HFF", KindDword), Write("b", "0A1f", KindBinary)};
  f.OffActions = {RegistryAction{kKey, "t", "", 0, 1}, RegistryAction{kKey, "d", "", 1, 1}, RegistryAction{}};
  EXPECT_TRUE(engine_.ApplyFunctionState(0, true));
  std::uint32_t type = 0;
  EXPECT_EQ(GetRaw("t", &type), Bytes(std::begin("C:\\WINNT\\system32\\drivers"), std::end("C:\\WINNT\\system32\\drivers")));
  EXPECT_EQ(type, kRegSz);
  EXPECT_EQ(GetRaw("d", &type), (Bytes{0xFF, 0, 0, 0}));
  EXPECT_EQ(type, kRegDword);
  EXPECT_EQ(GetRaw("b", &type), (Bytes{0x0A, 0x1F}));
  EXPECT_EQ(type, kRegBinary);

  EXPECT_FALSE(engine_.ApplyFunctionState(0, false));  // deletes only: no write performed
  EXPECT_EQ(GetRaw("t"), (Bytes{0xDE, 0xAD}));
  EXPECT_EQ(GetRaw("d"), (Bytes{0xDE, 0xAD}));
  EXPECT_EQ(GetRaw("b"), (Bytes{0x0A, 0x1F}));
}

TEST_F(EngineTest, DeleteWithEmptyValueNameRemovesTheKeyTree) {
  registry_.RegWriteString(std::string(kKey) + "\\Sub\\Deeper", "v", "x");
  Fn(0).OffActions[1] = RegistryAction{std::string(kKey) + "\\Sub", "", "", 0, 1};
  engine_.ApplyFunctionState(0, false);
  EXPECT_FALSE(store_.KeyExists(0x80000001u, "Software\\EngineTest\\Sub"));
  EXPECT_TRUE(store_.KeyExists(0x80000001u, "Software\\EngineTest"));
}

TEST_F(EngineTest, SuccessFlagIsTheLastWriteOnly) {
  FunctionRecord& f = Fn(0);
  f.OnActions = {Write("a", "1", KindText), RegistryAction{"HKEY_NOWHERE\\x", "v", "1", 0, 0}, RegistryAction{}};
  EXPECT_FALSE(engine_.ApplyFunctionState(0, true));
  f.OnActions = {RegistryAction{"HKEY_NOWHERE\\x", "v", "1", 0, 0}, Write("a", "1", KindText),
                 RegistryAction{kKey, "a", "", 0, 1}};
  EXPECT_TRUE(engine_.ApplyFunctionState(0, true));  // the failed first write and the delete are not reported
  f.OnActions = {Write("a", "1", KindText), Write("odd", "", 9), Write("m", "1", KindText)};
  f.OnActions[2].Mode = 4;
  EXPECT_TRUE(engine_.ApplyFunctionState(0, true));  // other kinds and modes do nothing
  EXPECT_EQ(GetRaw("odd"), (Bytes{0xDE, 0xAD}));
  EXPECT_EQ(GetRaw("m"), (Bytes{0xDE, 0xAD}));
}

TEST_F(EngineTest, BitSetAndBitDelKeepTheWidth) {
  PutRaw("b", kRegBinary, {0x01});
  Fn(0).OnActions[0] = Write("b", "%BITSET%3/2", KindBinary);
  Fn(0).OffActions[0] = Write("b", "%BITDEL%0/2", KindBinary);
  EXPECT_TRUE(engine_.ApplyFunctionState(0, true));
  EXPECT_EQ(GetRaw("b"), (Bytes{0x09}));
  PutRaw("b", kRegBinary, {0x01});
  EXPECT_TRUE(engine_.ApplyFunctionState(0, false));
  EXPECT_EQ(GetRaw("b"), (Bytes{0x00}));
}

TEST_F(EngineTest, BitOperationOnAbsentWideAndHighValues) {
  Fn(0).OnActions[0] = Write("absent", "%BITSET%9", KindBinary);  // width left out: 8 digits
  Fn(0).OnActions[1] = Write("high", "%BITSET%0/4", KindBinary);
  Fn(0).OnActions[2] = Write("plain", "%BITNOP%0/4", KindBinary);  // neither keyword: rewritten unchanged
  PutRaw("high", kRegBinary, {0x00, 0x80});
  PutRaw("plain", kRegBinary, {0x34, 0x12, 0x00});
  EXPECT_TRUE(engine_.ApplyFunctionState(0, true));
  EXPECT_EQ(GetRaw("absent"), (Bytes{0x00, 0x02, 0x00, 0x00}));
  EXPECT_EQ(GetRaw("high"), (Bytes{0x01, 0x80}));  // 0x8000 is 32768, not negative
  EXPECT_EQ(GetRaw("plain"), (Bytes{0x34, 0x12}));
  Fn(0).OnActions = {Write("short", "%BIT%0/4", KindBinary), RegistryAction{}, RegistryAction{}};
  engine_.ApplyFunctionState(0, true);  // "%BIT%0/4" is shorter than a keyword: no bit, width 8
  EXPECT_EQ(GetRaw("short"), (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST_F(EngineTest, BitOperationKeywordsIgnoreCaseAndBit31) {
  Fn(0).OnActions[0] = Write("b", "%bitset%31/8", KindBinary);
  Fn(0).OffActions[0] = Write("b", "%BitDel%31/8", KindBinary);
  engine_.ApplyFunctionState(0, true);
  EXPECT_EQ(GetRaw("b"), (Bytes{0, 0, 0, 0x80}));
  engine_.ApplyFunctionState(0, false);
  EXPECT_EQ(GetRaw("b"), (Bytes{0, 0, 0, 0}));
}

TEST_F(EngineTest, ValueActionsUseTheInput) {
  FunctionRecord& f = Fn(0);
  f.OnActions = {Write("t", "[%INPUT%]", KindText), Write("d", "%INPUT%", KindDword), Write("b", "ignored", KindBinary)};
  f.OnActions[0].Mode = 1;  // the mode is ignored: values are always written
  EXPECT_TRUE(engine_.ApplyFunctionValue(0, "0A0B"));
  EXPECT_EQ(GetRaw("t"), (Bytes{'[', '0', 'A', '0', 'B', ']', 0}));
  EXPECT_EQ(GetRaw("d"), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(GetRaw("b"), (Bytes{0x0A, 0x0B}));
  EXPECT_FALSE(engine_.ApplyFunctionValue(0, " 42.5"));  // the binary write refuses non-hex input
  EXPECT_EQ(GetRaw("d"), (Bytes{42, 0, 0, 0}));
  EXPECT_EQ(GetRaw("b"), (Bytes{0x0A, 0x0B}));
}

TEST_F(EngineTest, InputNamingAVariableIsExpandedToo) {
  Fn(0).OnActions[0] = Write("t", "%INPUT%", KindText);
  engine_.ApplyFunctionValue(0, "%WIN%x");
  EXPECT_EQ(GetRaw("t"), Bytes(std::begin("C:\\WINNT\\x"), std::end("C:\\WINNT\\x")));
}

TEST_F(EngineTest, SaveConfirmationAfterEveryApplyEvenOnFailure) {
  int shown = 0;
  Fn(0).OnActions[0] = RegistryAction{"HKEY_NOWHERE\\x", "v", "1", 0, 0};
  EXPECT_FALSE(engine_.ApplyFunctionState(0, true));  // no callback installed yet: works without one
  engine_.SetSaveInfoCallback([&shown] { ++shown; });
  engine_.ApplyFunctionState(0, true);
  engine_.ApplyFunctionValue(0, "1");
  engine_.ApplyFunctionState(1, false);  // empty function: nothing written, still confirmed
  EXPECT_EQ(shown, 3);
  engine_.ApplyFunctionState(99, true);  // outside the catalogue: nothing happens
  EXPECT_EQ(shown, 3);
}

}  // namespace
}  // namespace kv::test
