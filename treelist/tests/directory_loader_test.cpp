// LoadDirectory over a fake file system: order, levels, parents, Path round trip and the limit.
#include <gtest/gtest.h>

#include <map>

#include "treelist/model/directory_loader.h"

namespace kv::tree {
namespace {

class FakeFolders : public DirectoryLister {
 public:
  std::map<std::wstring, std::vector<DirectoryEntry>> folders;
  std::vector<DirectoryEntry> List(const std::wstring& path) const override {
    auto it = folders.find(path);
    return it == folders.end() ? std::vector<DirectoryEntry>() : it->second;
  }
};

TEST(LoadDirectory, FoldersFirstSortedWithTheirContentsBelow) {
  FakeFolders fs;
  fs.folders[L"C:\\w"] = {{L"readme.txt", false}, {L"system", true}, {L"Fonts", true}, {L"a.ini", false}};
  fs.folders[L"C:\\w\\system"] = {{L"drivers", true}, {L"kernel.dll", false}};
  fs.folders[L"C:\\w\\system\\drivers"] = {};
  TreeModel model;
  EXPECT_EQ(LoadDirectory(model, L"C:\\w", L"\\", fs), 6);
  std::wstring shape;
  for (Index i = 0; i < model.ListCount(); ++i)
    shape += model.Nodes().At(i).text + L":" + std::to_wstring(model.Nodes().At(i).level) + L" ";
  EXPECT_EQ(shape, L"Fonts:1 system:1 drivers:2 kernel.dll:2 a.ini:1 readme.txt:1 ");
  EXPECT_TRUE(model.GetNode(NodeField::IsParent, 0)) << "an empty folder still shows as a folder";
  EXPECT_TRUE(model.GetNode(NodeField::IsParent, 2));
  EXPECT_FALSE(model.GetNode(NodeField::IsParent, 3));
  EXPECT_EQ(model.Path(3, L"\\"), L"system\\kernel.dll");
  EXPECT_EQ(model.CheckInvariants(), "");
}

TEST(LoadDirectory, ARootWithItsSeparatorGetsNoSecondOne) {
  FakeFolders fs;
  fs.folders[L"C:\\"] = {{L"boot", true}};
  fs.folders[L"C:\\boot"] = {{L"ntldr", false}};
  TreeModel model;
  EXPECT_EQ(LoadDirectory(model, L"C:\\", L"\\", fs), 2);
}

TEST(LoadDirectory, StopsAtTheLimitAndSurvivesUnreadableFolders) {
  FakeFolders fs;
  for (int i = 0; i < 50; ++i) fs.folders[L"R"].push_back({L"f" + std::to_wstring(i), i % 2 == 0});
  TreeModel model;
  EXPECT_EQ(LoadDirectory(model, L"R", L"/", fs, 10), 10);
  EXPECT_EQ(model.ListCount(), 10);
  EXPECT_EQ(LoadDirectory(model, L"missing", L"/", fs), 0);
  EXPECT_EQ(model.CheckInvariants(), "");
}

}  // namespace
}  // namespace kv::tree
