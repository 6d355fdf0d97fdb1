// Tree-list benchmark, measured side by side in one run under Wine (not run by ctest):
//  1. append 100 000 nodes with text and cargo, then one full paint: kvTreeView against the
//     comctl32 SysTreeView32 (TVM_INSERTITEM, cargo as an owned string per item), time and memory;
//  2. paint time of the same window with 1 000 and with 100 000 nodes in the store.
// Prints the ratios; targets: time <= 0.5 x SysTreeView32 with less memory per node, paint ratio <= 1.2.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "treelist/include/kvtree_client.h"

namespace {

const int kNodes = 100000;
const RECT kArea = {0, 0, 400, 560};  // about 30 lines

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) / double(frequency.QuadPart);
}

// Bytes in use in every heap of the process (the C runtime's and comctl32's allocations).
SIZE_T PrivateBytes() {
  HANDLE heaps[64];
  DWORD count = GetProcessHeaps(64, heaps);
  SIZE_T total = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return total;
}

void PaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

HWND MakeFrame() {
  return CreateWindowExW(0, L"STATIC", L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 420, 580, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

struct Result {
  double seconds;
  double bytesPerNode;
};

Result FillKvTree(int count) {
  HWND frame = MakeFrame();
  SIZE_T before = PrivateBytes();
  double start = Now();
  Result result{};
  {
    kv::treeclient::TreeList tree;
    tree.Create(frame, kArea, 1);
    tree->ReDraw(VARIANT_FALSE);
    for (int i = 0; i < count; ++i) {
      long index = tree.AddNode(L"Function number " + std::to_wstring(i), 0, 1);
      tree.SetNodeCargo(index, std::to_wstring(i));
    }
    tree->ReDraw(VARIANT_TRUE);
    PaintNow(tree.Window());
    result.seconds = Now() - start;
    result.bytesPerNode = double(PrivateBytes() - before) / count;
  }
  DestroyWindow(frame);
  return result;
}

Result FillSysTree(int count) {
  HWND frame = MakeFrame();
  SIZE_T before = PrivateBytes();
  double start = Now();
  Result result{};
  std::vector<std::unique_ptr<std::wstring>> cargo;
  HWND tree = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_CHECKBOXES, kArea.left,
                              kArea.top, kArea.right, kArea.bottom, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < count; ++i) {
    std::wstring text = L"Function number " + std::to_wstring(i);
    cargo.push_back(std::make_unique<std::wstring>(std::to_wstring(i)));
    TVINSERTSTRUCTW insert = {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = &text[0];
    insert.item.lParam = reinterpret_cast<LPARAM>(cargo.back().get());
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
  }
  SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
  PaintNow(tree);
  result.seconds = Now() - start;
  result.bytesPerNode = double(PrivateBytes() - before) / count;
  DestroyWindow(frame);
  return result;
}

// A window with `count` nodes in five expanded groups (the tree lines of a line then depend on
// groups with tens of thousands of children), scrolled to the middle.
struct PaintedTree {
  HWND frame = MakeFrame();
  kv::treeclient::TreeList tree;
  explicit PaintedTree(int count) {
    tree.Create(frame, kArea, 1);
    tree->ReDraw(VARIANT_FALSE);
    const int groupSize = count / 5;
    for (int i = 0; i < count; ++i) {
      const bool group = i % groupSize == 0;
      tree.AddNode((group ? L"Group " : L"Function ") + std::to_wstring(i), 0, group ? 1 : 2);
    }
    for (int i = 0; i < count; i += groupSize) tree->put_NodeExpanded(i, VARIANT_TRUE);
    tree->ReDraw(VARIANT_TRUE);
    tree->EnsureVisible(count / 2);
    PaintNow(tree.Window());
  }
  ~PaintedTree() {
    tree.Destroy();
    DestroyWindow(frame);
  }
  // Average time of one full repaint over a batch.
  double Batch(int rounds) {
    double start = Now();
    for (int i = 0; i < rounds; ++i) PaintNow(tree.Window());
    return (Now() - start) / rounds;
  }
};

}  // namespace

int main() {
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  FillKvTree(1000);  // warm up: library load, fonts, classes
  FillSysTree(1000);

  Result ours = FillKvTree(kNodes);
  Result theirs = FillSysTree(kNodes);
  std::printf("append %d nodes + paint: kvTreeView %.3f s, SysTreeView32 %.3f s, ratio %.2f (target <= 0.5)\n", kNodes,
              ours.seconds, theirs.seconds, ours.seconds / theirs.seconds);
  std::printf("memory per node: kvTreeView %.0f bytes, SysTreeView32 %.0f bytes, ratio %.2f (target < 1)\n",
              ours.bytesPerNode, theirs.bytesPerNode, ours.bytesPerNode / theirs.bytesPerNode);

  // Batches alternate between the two windows; the fastest batch of each counts (least noise).
  PaintedTree small(1000), large(kNodes);
  double bestSmall = 1e9, bestLarge = 1e9;
  for (int batch = 0; batch < 10; ++batch) {
    bestSmall = std::min(bestSmall, small.Batch(40));
    bestLarge = std::min(bestLarge, large.Batch(40));
  }
  std::printf("paint of ~30 lines: 1 000 nodes %.3f ms, 100 000 nodes %.3f ms, ratio %.2f (target <= 1.2)\n",
              bestSmall * 1000, bestLarge * 1000, bestLarge / bestSmall);
  OleUninitialize();
  return 0;
}
