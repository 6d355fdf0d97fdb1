// The resident helper's tree-list buffer with the real kvtree.dll: found in the second folder when the
// first lacks it, and the keep-alive tick alternating the control between one line and none.
#include "helper/win32/tree_list_buffer.h"

#include <gtest/gtest.h>

#include "helper/tests/wine/wine_support.h"

namespace kv::helper::wine {
namespace {

class HiddenParent {
 public:
  HiddenParent() {
    hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  }
  ~HiddenParent() { DestroyWindow(hwnd); }
  HWND hwnd;
};

TEST(TreeListBuffer, LoadsKvtreeFromTheFirstFolderThatHasItAndAlternatesOneLine) {
  HiddenParent parent;
  TreeListBuffer tree;
  ASSERT_TRUE(tree.Create(parent.hwnd, {"", "C:\\no-such-folder\\", BinDir()}));
  EXPECT_NE(GetWindow(parent.hwnd, GW_CHILD), nullptr);
  EXPECT_EQ(tree.ListCount(), 0);
  KeepAliveTick(tree);
  EXPECT_EQ(tree.ListCount(), 1);
  KeepAliveTick(tree);
  EXPECT_EQ(tree.ListCount(), 0);
  KeepAliveTick(tree);
  EXPECT_EQ(tree.ListCount(), 1);
}

TEST(TreeListBuffer, WithoutTheLibraryItStaysEmptyAndItsCallsDoNothing) {
  HiddenParent parent;
  TreeListBuffer tree;
  EXPECT_FALSE(tree.Create(parent.hwnd, {"C:\\no-such-folder\\", "NoKey\\"}));
  EXPECT_FALSE(tree.Loaded());
  KeepAliveTick(tree);
  EXPECT_EQ(tree.ListCount(), 0);
  EXPECT_EQ(GetWindow(parent.hwnd, GW_CHILD), nullptr);
}

}  // namespace
}  // namespace kv::helper::wine
