// The restore preview as a user sees it before pressing Restore: the functions whose values differ
// from the profile are marked, each value shows stored and current data side by side ("absent" where
// absent; a bit function differs only by its own bit), and the restore then writes exactly the
// differing values, after which nothing differs any more.
#include <gtest/gtest.h>

#include "app/catalogue/memory_registry_store.h"
#include "app/restore/profile_codec.h"
#include "app/restore/profile_snapshot.h"
#include "app/restore/restore_window_model.h"
#include "app/restore/tests/memory_file_store.h"
#include "app/restore/tests/no_questions.h"

namespace kv {
namespace {

constexpr const char* kUndo = "C:\\WINNT\\SYSTEM32\\KORVN2K.UND";
constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Team";

class CountingStore : public MemoryRegistryStore {
 public:
  bool SetValue(Key key, const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override {
    written.push_back(name);
    return MemoryRegistryStore::SetValue(key, name, type, data);
  }
  bool DeleteValue(Key key, const std::string& name) override {
    written.push_back("-" + name);
    return MemoryRegistryStore::DeleteValue(key, name);
  }
  std::vector<std::string> written;
};

TEST(RestorePreview, MarksWhatDiffersShowsBothSidesAndRestoreWritesOnlyThat) {
  Catalogue catalogue;
  catalogue.FktAnzahl = 3;
  catalogue.Functions.resize(5);
  auto define = [&catalogue](int n, const char* caption, RegistryAction a, RegistryAction b = RegistryAction()) {
    FunctionRecord& f = catalogue.Functions[static_cast<std::size_t>(n)];
    f.Caption = caption;
    f.Page = 1;
    f.OnActions[0] = a;
    f.OnActions[1] = b;
  };
  define(0, "Menu delay", {kKey, "Delay", "", KindText, 0}, {kKey, "Speed", "", KindDword, 0});
  define(1, "Tips", {kKey, "Tips", "1", KindDword, 0});
  define(2, "Bit 3", {kKey, "Mask", "%BITSET%3/2", KindBinary, 0});
  define(3, "Untouched", {kKey, "Same", "x", KindText, 0});
  CountingStore store;
  Registry registry(store);
  registry.RegWriteString(kKey, "Delay", "400");
  registry.RegWriteDword(kKey, "Speed", 7);  // "Tips" absent when the profile is taken
  registry.RegWriteBinary(kKey, "Mask", "08");
  registry.RegWriteString(kKey, "Same", "x");
  test::MemoryFileStore files;
  files.files[kUndo] = EncodeProfile(TakeSnapshot(registry, catalogue.Functions, 3, "stamp"));

  // Since then: the delay changed, "Tips" was created, bit 0 of the mask (another function's) was set.
  registry.RegWriteString(kKey, "Delay", "0");
  registry.RegWriteDword(kKey, "Tips", 1);
  registry.RegWriteBinary(kKey, "Mask", "09");

  std::string current;
  test::NoQuestions questions;
  RestoreWindowModel model(current, kUndo, files, catalogue, [](int id) { return id == 827 ? "absent" : "?"; });
  model.Open(RestoreRequest{});
  model.LoadProfile(questions);
  const std::vector<PreviewLine> preview = model.Preview(registry);
  ASSERT_EQ(preview.size(), 4u);
  EXPECT_TRUE(preview[0].Differs);
  ASSERT_EQ(preview[0].Values.size(), 2u);
  EXPECT_EQ(preview[0].Values[0].Name, "Delay");
  EXPECT_EQ(preview[0].Values[0].Stored, "400");
  EXPECT_EQ(preview[0].Values[0].Current, "0");
  EXPECT_TRUE(preview[0].Values[0].Differs);
  EXPECT_EQ(preview[0].Values[1].Stored, "7");
  EXPECT_FALSE(preview[0].Values[1].Differs);
  EXPECT_TRUE(preview[1].Differs);
  EXPECT_EQ(preview[1].Values[0].Stored, "absent");
  EXPECT_EQ(preview[1].Values[0].Current, "1");
  EXPECT_FALSE(preview[2].Differs) << "only another function's bit changed";
  EXPECT_EQ(preview[2].Values[0].Current, "09");
  EXPECT_FALSE(preview[3].Differs);

  store.written.clear();
  model.Restore(registry, nullptr);
  EXPECT_EQ(store.written, (std::vector<std::string>{"Delay", "-Tips"}));
  for (const PreviewLine& line : model.Preview(registry)) EXPECT_FALSE(line.Differs) << line.Caption;
}

}  // namespace
}  // namespace kv
