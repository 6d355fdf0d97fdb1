// Test host for the property pages: creates a control by ProgID, opens its pages with
// OleCreatePropertyFrame (modal, as a container's "Properties" command does) and, once the frame
// is closed, prints the named properties as read back through the control's IDispatch.
// While the frame is open a watcher thread writes, each time another page is shown, the screen
// centre of every control of that page ("INDEX x y" lines, INDEX = control id - 100: the field
// index, 400 on for a page part) and of every tab of the frame ("tab INDEX x y") to FIELDS_FILE,
// after a first line "page N" (N = the selected tab, from 0), so a script can click and type into them.
// A PROPERTY may name an index ("ColumnText:1"); methods without arguments (ColumnCount) read too.
// Before that it registers SERVER_DLL (DllRegisterServer) and sets the product's "Language" value
// (0 German, 1 English), so one Wine start does it all.
//   property_frame_host SERVER_DLL LANGUAGE PROGID tree|slide FIELDS_FILE PROPERTY...
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "activex/property_page/page_clsids.h"
#include "activex/property_page/property_page.h"

namespace {

const char* g_fieldsFile = nullptr;

BOOL CALLBACK FindPage(HWND window, LPARAM found) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, kv::pages::kPageWindowClass) == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindInTopLevel(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) EnumChildWindows(window, FindPage, found);
  return *reinterpret_cast<HWND*>(found) == nullptr;
}

BOOL CALLBACK FindTabs(HWND window, LPARAM found) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, WC_TABCONTROLA) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND TabsOf(HWND page) {
  HWND tabs = nullptr;
  EnumChildWindows(GetAncestor(page, GA_ROOT), FindTabs, reinterpret_cast<LPARAM>(&tabs));
  return tabs;
}

void WriteTabs(HWND tabs, FILE* out) {
  int count = tabs ? int(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
  for (int i = 0; i < count; ++i) {
    RECT r;
    if (!SendMessageA(tabs, TCM_GETITEMRECT, WPARAM(i), LPARAM(&r))) continue;
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
    std::fprintf(out, "tab %d %ld %ld\n", i, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
}

DWORD WINAPI WatchFields(void*) {
  HWND shown = nullptr;
  LRESULT shownTab = -1;
  for (int attempt = 0; attempt < 1200; ++attempt) {  // two minutes at most
    Sleep(100);
    HWND page = nullptr;
    EnumWindows(FindInTopLevel, reinterpret_cast<LPARAM>(&page));
    HWND tabs = page ? TabsOf(page) : nullptr;
    LRESULT tab = tabs ? SendMessageA(tabs, TCM_GETCURSEL, 0, 0) : -1;
    if (page && (page != shown || tab != shownTab)) {
      shown = page;
      shownTab = tab;
      Sleep(300);  // let the frame finish its layout
      std::string temp = std::string(g_fieldsFile) + ".tmp";
      FILE* out = std::fopen(temp.c_str(), "wb");  // plain \n lines for the shell
      if (!out) return 1;
      std::fprintf(out, "page %ld\n", long(tab));
      for (int id = kv::pages::kFirstFieldId; id < kv::pages::kFirstFieldId + 450; ++id) {
        HWND control = GetDlgItem(page, id);
        RECT r;
        if (control && GetWindowRect(control, &r))
          std::fprintf(out, "%d %ld %ld\n", id - kv::pages::kFirstFieldId, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
      }
      if (tabs) WriteTabs(tabs, out);
      std::fclose(out);
      MoveFileExA(temp.c_str(), g_fieldsFile, MOVEFILE_REPLACE_EXISTING);
    }
  }
  return 0;
}

void PrintProperty(IDispatch* control, const char* name) {
  wchar_t wide[128];
  MultiByteToWideChar(CP_ACP, 0, name, -1, wide, 128);
  VARIANT index;
  VariantInit(&index);
  if (wchar_t* colon = std::wcschr(wide, L':')) {
    *colon = 0;
    index.vt = VT_I4;
    index.lVal = std::wcstol(colon + 1, nullptr, 10);
  }
  LPOLESTR names[] = {wide};
  DISPID id = 0;
  VARIANT value;
  VariantInit(&value);
  DISPPARAMS params = {&index, nullptr, index.vt == VT_EMPTY ? 0u : 1u, 0};
  if (FAILED(control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)) ||
      FAILED(control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &params,
                             &value, nullptr, nullptr)) ||
      FAILED(VariantChangeType(&value, &value, 0, VT_BSTR))) {
    std::printf("%s=<unreadable>\n", name);
    return;
  }
  char text[512] = "";
  WideCharToMultiByte(CP_ACP, 0, value.bstrVal, -1, text, sizeof text, nullptr, nullptr);
  std::printf("%s=%s\n", name, text);
  VariantClear(&value);
}

}  // namespace

bool Register(const char* dll, const char* language) {
  HKEY key = nullptr;
  DWORD value = std::strcmp(language, "1") == 0 ? 1 : 0;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorbel\\Korvane2k", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  RegSetValueExA(key, "Language", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
  HMODULE server = LoadLibraryA(dll);
  auto registerServer = server ? reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(server, "DllRegisterServer"))) : nullptr;
  return registerServer && SUCCEEDED(registerServer());
}

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: property_frame_host SERVER_DLL LANGUAGE PROGID tree|slide FIELDS_FILE PROPERTY...\n");
    return 2;
  }
  if (!Register(argv[1], argv[2])) {
    std::printf("cannot register %s\n", argv[1]);
    return 1;
  }
  argv += 2;
  argc -= 2;
  g_fieldsFile = argv[3];
  bool tree = std::strcmp(argv[2], "tree") == 0;
  OleInitialize(nullptr);
  wchar_t progId[128];
  MultiByteToWideChar(CP_ACP, 0, argv[1], -1, progId, 128);
  CLSID clsid;
  IDispatch* control = nullptr;
  HRESULT hr = CLSIDFromProgID(progId, &clsid);
  if (SUCCEEDED(hr)) hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&control));
  if (FAILED(hr)) {
    std::printf("cannot create %s: 0x%08lx\n", argv[1], static_cast<unsigned long>(hr));
    return 1;
  }
  CLSID pages[6];
  ULONG count = 0;
  if (tree) {
    for (const CLSID* page : kv::pages::kTreePages) pages[count++] = *page;
  } else {
    for (const CLSID* page : kv::pages::kSlidePages) pages[count++] = *page;
  }
  CloseHandle(CreateThread(nullptr, 0, WatchFields, nullptr, 0, nullptr));
  IUnknown* objects[] = {control};
  hr = OleCreatePropertyFrame(nullptr, 40, 40, tree ? L"kvTreeView" : L"kvSlide", 1, objects, count, pages,
                              GetUserDefaultLCID(), 0, nullptr);
  std::printf("frame=0x%08lx\n", static_cast<unsigned long>(hr));
  for (int i = 4; i < argc; ++i) PrintProperty(control, argv[i]);
  std::fflush(stdout);
  control->Release();
  OleUninitialize();
  return SUCCEEDED(hr) ? 0 : 1;
}
