// The resident helper's tree-list buffer (see tree_list_buffer.h).
#include "helper/win32/tree_list_buffer.h"

#include <ole2.h>

#include "app/controls/win32/system_function.h"
#include "app/catalogue/program_path.h"
#include "treelist/include/kvtree_api.h"

namespace kv::helper {

namespace {

constexpr int kControlId = 101;

// The control's texts are BSTRs; oleaut32 is loaded by kvtree.dll already when this is called.
BSTR MakeBstr(const std::string& text) {
  using AllocFn = BSTR(WINAPI*)(const OLECHAR*, UINT);
  const auto alloc = SystemFunction<AllocFn>("oleaut32.dll", "SysAllocStringLen");
  if (!alloc) return nullptr;
  std::wstring wide(text.begin(), text.end());  // the buffer's texts are plain ASCII
  return alloc(wide.data(), static_cast<UINT>(wide.size()));
}

void FreeBstr(BSTR text) {
  using FreeFn = void(WINAPI*)(BSTR);
  if (const auto release = SystemFunction<FreeFn>("oleaut32.dll", "SysFreeString")) release(text);
}

}  // namespace

TreeListBuffer::~TreeListBuffer() {
  if (control_) {
    LONG_PTR window = 0;
    control_->get_hWnd(&window);
    if (window && IsWindow(reinterpret_cast<HWND>(window))) DestroyWindow(reinterpret_cast<HWND>(window));
    control_->Release();
  }
  // The library itself stays loaded to the process's end.
  using UninitFn = void(WINAPI*)();
  if (comStarted_) {
    if (const auto uninit = SystemFunction<UninitFn>("ole32.dll", "OleUninitialize")) uninit();
  }
}

bool TreeListBuffer::Create(HWND parent, const std::vector<std::string>& folders) {
  if (control_) return true;
  HMODULE library = nullptr;
  for (const std::string& folder : folders) {
    if (!IsFullPath(folder)) continue;  // "NoKey\" without "AppPath": never a relative load
    library = LoadLibraryA((folder + "kvtree.dll").c_str());
    if (library) break;
  }
  if (!library) return false;
  using InitFn = HRESULT(WINAPI*)(LPVOID);
  if (const auto init = SystemFunction<InitFn>("ole32.dll", "OleInitialize")) comStarted_ = SUCCEEDED(init(nullptr));
  const auto create = reinterpret_cast<KvTreeCreateWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(library, "kvTreeCreateWindow")));
  const RECT rect = {0, 0, 120, 80};
  if (!create || FAILED(create(parent, &rect, kControlId, &control_))) control_ = nullptr;
  return control_ != nullptr;
}

long TreeListBuffer::ListCount() {
  LONG count = 0;
  if (control_) control_->get_ListCount(&count);
  return count;
}

void TreeListBuffer::AddNode(const std::string& text, short position, short level) {
  if (!control_) return;
  BSTR bstr = MakeBstr(text);
  LONG index = -1;
  control_->AddNode(bstr, position, level, &index);
  FreeBstr(bstr);
}

void TreeListBuffer::RemoveNode(long index) {
  LONG result = 0;
  if (control_) control_->RemoveNode(index, &result);
}

}  // namespace kv::helper
