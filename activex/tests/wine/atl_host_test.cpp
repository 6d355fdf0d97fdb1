// kvTreeView, kvSlide and FlatScrollBar in a container that is not ours: Wine's atl.dll places each control by
// ProgID in an "AtlAxWin" window (AtlAxWinInit / AtlAxGetControl), as a form or a web page would.
// The controls show in place, take the focus and keys from real input (SendInput), hand Tab back
// to the container, and fire their events at a sink connected through IProvideClassInfo2; their
// properties, pictures included, go through IPersistStreamInit and IPersistPropertyBag into fresh instances, and cut or
// damaged streams are refused without harm. Leaves atl_host.bmp (the host window) behind.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "activex/event_sink.h"
#include "activex/property_page/page_clsids.h"
#include "tests/wine/memory_property_bag.h"
#include "tests/wine/message_pump.h"
#include "tests/wine/screen_bitmap.h"

namespace {

constexpr wchar_t kTreeProgId[] = L"TreeViewLibCtl.kvTreeView";
constexpr wchar_t kSlideProgId[] = L"SlideLibCtl.kvSlide";
constexpr wchar_t kBarProgId[] = L"KorvnDialoge.FlatScrollBar";

// --- IDispatch by name, as a container or script drives the controls ---

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result) {
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags == DISPATCH_PROPERTYPUT || flags == DISPATCH_PROPERTYPUTREF) params.rgdispidNamedArgs = &named, params.cNamedArgs = 1;
  HRESULT hr = object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
  for (VARIANT& v : args) VariantClear(&v);
  return hr;
}

VARIANT Long(LONG v) {
  VARIANT out;
  VariantInit(&out);
  out.vt = VT_I4;
  out.lVal = v;
  return out;
}

VARIANT Text(const wchar_t* text) {
  VARIANT out;
  VariantInit(&out);
  out.vt = VT_BSTR;
  out.bstrVal = SysAllocString(text);
  return out;
}

void Put(IDispatch* object, const wchar_t* name, VARIANT value) {
  EXPECT_HRESULT_SUCCEEDED(Invoke(object, name, DISPATCH_PROPERTYPUT, {value}, nullptr)) << "put " << name;
}

// A property or method result as text ("<error>" when the call fails), for comparing instances.
std::wstring Get(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args = {}) {
  VARIANT result;
  VariantInit(&result);
  if (FAILED(Invoke(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, &result))) return L"<error>";
  std::wstring out = L"<none>";
  if (SUCCEEDED(VariantChangeType(&result, &result, 0, VT_BSTR))) out.assign(result.bstrVal, SysStringLen(result.bstrVal));
  VariantClear(&result);
  return out;
}

void Call(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args) {
  VARIANT result;
  VariantInit(&result);
  EXPECT_HRESULT_SUCCEEDED(Invoke(object, name, DISPATCH_METHOD, std::move(args), &result)) << name;
  VariantClear(&result);
}

template <class T>
T* Query(IUnknown* object, REFIID iid) {
  T* out = nullptr;
  object->QueryInterface(iid, reinterpret_cast<void**>(&out));
  return out;
}

IDispatch* CreateByProgId(const wchar_t* progId) {
  CLSID clsid;
  IDispatch* out = nullptr;
  if (SUCCEEDED(CLSIDFromProgID(progId, &clsid)))
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&out));
  return out;
}

using kv::wintest::MemoryBag;

// --- streams ---

std::vector<BYTE> SaveToBytes(IUnknown* control) {
  std::vector<BYTE> bytes;
  IPersistStreamInit* persist = Query<IPersistStreamInit>(control, IID_IPersistStreamInit);
  IStream* stream = nullptr;
  if (persist && SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
    EXPECT_HRESULT_SUCCEEDED(persist->Save(stream, TRUE));
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream, &memory);
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    const BYTE* p = static_cast<const BYTE*>(GlobalLock(memory));
    bytes.assign(p, p + stat.cbSize.QuadPart);
    GlobalUnlock(memory);
    stream->Release();
  }
  if (persist) persist->Release();
  return bytes;
}

HRESULT LoadFromBytes(IUnknown* control, const std::vector<BYTE>& bytes) {
  IPersistStreamInit* persist = Query<IPersistStreamInit>(control, IID_IPersistStreamInit);
  if (!persist) return E_NOINTERFACE;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  if (!bytes.empty()) {
    memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
  }
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(memory, TRUE, &stream);
  ULARGE_INTEGER size;
  size.QuadPart = bytes.size();
  stream->SetSize(size);
  HRESULT hr = persist->Load(stream);
  stream->Release();
  persist->Release();
  return hr;
}

// --- the test program's set-up ---

struct Server {
  const wchar_t* dll;
};

class AtlHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    OleInitialize(nullptr);
    // The servers beside the test program register themselves (as regsvr32 would).
    for (const wchar_t* dll : {L"kvtree.dll", L"kvslide.dll", L"korvndlg.dll"}) {
      HMODULE module = LoadLibraryW(dll);
      ASSERT_NE(module, nullptr) << "cannot load the control library";
      auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(GetProcAddress(module, "DllRegisterServer"));
      ASSERT_NE(registerServer, nullptr);
      ASSERT_HRESULT_SUCCEEDED(registerServer());
    }
    atl_ = LoadLibraryW(L"atl.dll");
    ASSERT_NE(atl_, nullptr) << "Wine's atl.dll is missing";
    auto init = reinterpret_cast<BOOL(WINAPI*)()>(GetProcAddress(atl_, "AtlAxWinInit"));
    ASSERT_NE(init, nullptr);
    ASSERT_TRUE(init());
  }

  static IUnknown* ControlOf(HWND axWindow) {
    using GetControl = HRESULT(WINAPI*)(HWND, IUnknown**);
    auto get = reinterpret_cast<GetControl>(GetProcAddress(atl_, "AtlAxGetControl"));
    IUnknown* control = nullptr;
    if (get) get(axWindow, &control);
    return control;
  }

  static HMODULE atl_;
};

HMODULE AtlHostTest::atl_ = nullptr;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateHost() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = L"KvAtlHostTest";
  RegisterClassW(&wc);
  return CreateWindowExW(WS_EX_CONTROLPARENT, wc.lpszClassName, L"ATL host", WS_POPUP | WS_VISIBLE, 20, 20, 540, 330,
                         nullptr, nullptr, wc.hInstance, nullptr);
}

HWND ControlWindow(IUnknown* control) {
  HWND window = nullptr;
  if (IOleWindow* w = Query<IOleWindow>(control, IID_IOleWindow)) {
    w->GetWindow(&window);
    w->Release();
  }
  return window;
}

void Pump(HWND host, int ms) { kv::wintest::PumpFor(host, ms, 10); }

void Click(HWND window, int x, int y, HWND host) {
  POINT at = {x, y};
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  INPUT input[2] = {};
  for (INPUT& i : input) {
    i.type = INPUT_MOUSE;
    i.mi.dx = (at.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    i.mi.dy = (at.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(2, input, sizeof(INPUT));
  Pump(host, 150);
}

void Key(WORD vk, HWND host) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = vk;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
  Pump(host, 150);
}

// The event sink a container connects by asking the control for its default source interface.
kv::com::EventSink* ConnectThroughClassInfo(IUnknown* control, std::vector<DISPID>* fired, std::vector<LONG>* firstArgs) {
  IProvideClassInfo2* info = Query<IProvideClassInfo2>(control, IID_IProvideClassInfo2);
  EXPECT_NE(info, nullptr);
  if (!info) return nullptr;
  IID events = GUID_NULL;
  EXPECT_HRESULT_SUCCEEDED(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events));
  ITypeInfo* classInfo = nullptr;
  EXPECT_HRESULT_SUCCEEDED(info->GetClassInfo(&classInfo));
  if (classInfo) classInfo->Release();
  info->Release();
  kv::com::EventSink* sink = kv::com::EventSink::Create([fired, firstArgs](DISPID id, const kv::com::EventArgs& a) {
    fired->push_back(id);
    firstArgs->push_back(a.Long(0));
  });
  EXPECT_HRESULT_SUCCEEDED(sink->Connect(control, events));
  return sink;
}

bool Fired(const std::vector<DISPID>& fired, DISPID id) {
  for (DISPID f : fired)
    if (f == id) return true;
  return false;
}

TEST_F(AtlHostTest, ControlsShowInPlaceTakeFocusAndKeysAndFireEvents) {
  HWND host = CreateHost();
  ASSERT_NE(host, nullptr);
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  HWND slideAx = CreateWindowExW(WS_EX_CONTROLPARENT, L"AtlAxWin", kSlideProgId, style, 10, 10, 250, 60, host, nullptr,
                                 nullptr, nullptr);
  HWND treeAx = CreateWindowExW(WS_EX_CONTROLPARENT, L"AtlAxWin", kTreeProgId, style, 10, 85, 510, 230, host, nullptr,
                                nullptr, nullptr);
  HWND barAx = CreateWindowExW(0, L"AtlAxWin", kBarProgId, style, 275, 30, 245, 20, host, nullptr, nullptr, nullptr);
  ASSERT_NE(slideAx, nullptr);
  ASSERT_NE(treeAx, nullptr);
  ASSERT_NE(barAx, nullptr);
  IUnknown* slide = ControlOf(slideAx);
  IUnknown* tree = ControlOf(treeAx);
  IUnknown* bar = ControlOf(barAx);
  ASSERT_NE(slide, nullptr) << "AtlAxWin did not create kvSlide";
  ASSERT_NE(tree, nullptr) << "AtlAxWin did not create kvTreeView";
  ASSERT_NE(bar, nullptr) << "AtlAxWin did not create FlatScrollBar";

  // In place: each control's own window inside its host window, at the host window's size.
  HWND slideWindow = ControlWindow(slide), treeWindow = ControlWindow(tree);
  ASSERT_NE(slideWindow, nullptr);
  ASSERT_NE(treeWindow, nullptr);
  EXPECT_TRUE(IsChild(slideAx, slideWindow));
  EXPECT_TRUE(IsChild(treeAx, treeWindow));
  EXPECT_TRUE(IsWindowVisible(slideWindow));
  HWND barWindow = ControlWindow(bar);
  ASSERT_NE(barWindow, nullptr);
  EXPECT_TRUE(IsChild(barAx, barWindow));
  RECT box;
  GetClientRect(treeWindow, &box);
  EXPECT_GT(box.right, 400);
  EXPECT_GT(box.bottom, 150);

  std::vector<DISPID> slideEvents, treeEvents;
  std::vector<LONG> slideArgs, treeArgs;
  kv::com::EventSink* slideSink = ConnectThroughClassInfo(slide, &slideEvents, &slideArgs);
  kv::com::EventSink* treeSink = ConnectThroughClassInfo(tree, &treeEvents, &treeArgs);
  std::vector<DISPID> barEvents;
  std::vector<LONG> barArgs;
  kv::com::EventSink* barSink = ConnectThroughClassInfo(bar, &barEvents, &barArgs);
  IDispatch* barDispatch = Query<IDispatch>(bar, IID_IDispatch);
  Put(barDispatch, L"Max", Long(100));
  Put(barDispatch, L"LargeChange", Long(10));
  Put(barDispatch, L"SmallChange", Long(7));

  IDispatch* slideDispatch = Query<IDispatch>(slide, IID_IDispatch);
  IDispatch* treeDispatch = Query<IDispatch>(tree, IID_IDispatch);
  Put(slideDispatch, L"Value", Long(40));
  Put(slideDispatch, L"BarColor", Long(RGB(46, 95, 158)));
  Put(treeDispatch, L"ShowHeader", Long(-1));
  Call(treeDispatch, L"AddColumn", {Text(L"Funktion"), Long(300)});
  Call(treeDispatch, L"AddColumn", {Text(L"Wert"), Long(150)});
  for (const wchar_t* line : {L"System", L"Laufwerke", L"Netzwerk", L"Sicherheit"}) {
    VARIANT r;
    VariantInit(&r);
    Invoke(treeDispatch, L"AddNode", DISPATCH_METHOD, {Text(line), Long(-1), Long(1)}, &r);
  }
  Pump(host, 300);

  // The inactive drawing path a container uses for printing: IViewObject2::Draw into a memory DC.
  IViewObject2* view = Query<IViewObject2>(slide, IID_IViewObject2);
  ASSERT_NE(view, nullptr);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 250, 60);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  RECTL bounds = {0, 0, 250, 60};
  EXPECT_HRESULT_SUCCEEDED(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr, nullptr, 0));
  int differing = 0;
  COLORREF corner = GetPixel(memory, 1, 1);
  for (int x = 0; x < 250; x += 5)
    if (GetPixel(memory, x, 30) != corner) ++differing;
  EXPECT_GT(differing, 5) << "the slider drew nothing into the container's DC";
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  view->Release();

  // Focus and keys: a click gives the slider the focus; Right moves it; both fire events.
  Click(slideWindow, 5, 5, host);
  EXPECT_EQ(GetFocus(), slideWindow);
  EXPECT_TRUE(Fired(slideEvents, -605)) << "MouseDown did not arrive";
  slideEvents.clear();
  std::wstring before = Get(slideDispatch, L"Value");
  Key(VK_RIGHT, host);
  EXPECT_NE(Get(slideDispatch, L"Value"), before) << "the slider did not take the key";
  EXPECT_TRUE(Fired(slideEvents, 1)) << "SlideChange did not arrive";

  // Tab belongs to the container: the focus moves on to the tree.
  Key(VK_TAB, host);
  EXPECT_EQ(GetFocus(), treeWindow) << "Tab did not reach the container";

  // A click on the second line selects it and reports it.
  treeEvents.clear();
  Click(treeWindow, 40, 48, host);
  EXPECT_EQ(GetFocus(), treeWindow);
  EXPECT_TRUE(Fired(treeEvents, -605)) << "MouseDown did not arrive";
  EXPECT_EQ(Get(treeDispatch, L"Selected"), L"1");
  Key(VK_DOWN, host);
  EXPECT_EQ(Get(treeDispatch, L"Selected"), L"2") << "the tree did not take the key";
  EXPECT_TRUE(Fired(treeEvents, 1)) << "Change did not arrive";

  // The flat scroll bar: a click on its right arrow steps by SmallChange and reports Change.
  barEvents.clear();
  RECT barBox;
  GetClientRect(barWindow, &barBox);
  Click(barWindow, barBox.right - 4, 8, host);
  EXPECT_EQ(Get(barDispatch, L"Value"), L"7");
  EXPECT_TRUE(Fired(barEvents, 1)) << "Change did not arrive";

  RECT area;
  GetWindowRect(host, &area);
  kv::screenshots::SaveScreenBitmap(area, "atl_host.bmp");

  slideSink->Disconnect();
  slideSink->Release();
  treeSink->Disconnect();
  treeSink->Release();
  barSink->Disconnect();
  barSink->Release();
  barDispatch->Release();
  bar->Release();
  slideDispatch->Release();
  treeDispatch->Release();
  slide->Release();
  tree->Release();
  DestroyWindow(host);
  Pump(nullptr, 50);
}

TEST_F(AtlHostTest, ConnectionPointsAndPropertyPagesAreListed) {
  struct Case {
    const wchar_t* progId;
    ULONG points, pages;
    const CLSID* firstPage;
  } cases[] = {{kTreeProgId, 1, 6, &kv::pages::CLSID_kvTreeGeneralPage},
               {kSlideProgId, 2, 2, &kv::pages::CLSID_kvSlideGeneralPage},
               {kBarProgId, 1, 0, nullptr}};
  for (const Case& c : cases) {
    IDispatch* control = CreateByProgId(c.progId);
    ASSERT_NE(control, nullptr);
    IConnectionPointContainer* container = Query<IConnectionPointContainer>(control, IID_IConnectionPointContainer);
    IEnumConnectionPoints* points = nullptr;
    ASSERT_HRESULT_SUCCEEDED(container->EnumConnectionPoints(&points));
    IConnectionPoint* point[4] = {};
    ULONG got = 0;
    points->Next(4, point, &got);
    EXPECT_EQ(got, c.points);
    for (ULONG i = 0; i < got; ++i) point[i]->Release();
    points->Release();
    container->Release();
    ISpecifyPropertyPages* specify = Query<ISpecifyPropertyPages>(control, IID_ISpecifyPropertyPages);
    CAUUID pages = {};
    ASSERT_HRESULT_SUCCEEDED(specify->GetPages(&pages));
    EXPECT_EQ(pages.cElems, c.pages);
    if (c.firstPage) {
      EXPECT_TRUE(pages.cElems > 0 && IsEqualCLSID(pages.pElems[0], *c.firstPage));
    }
    CoTaskMemFree(pages.pElems);
    specify->Release();
    control->Release();
  }
}

// What a designer sets on a form, and how to read it back for comparison.
struct Design {
  const wchar_t* progId;
  void (*set)(IDispatch*);
  std::vector<std::wstring> (*read)(IDispatch*);
};

// Gives `object` a new 24-bit bitmap picture of the given size (in pixels) through property `name`.
void PutPicture(IDispatch* object, const wchar_t* name, WORD flags, int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  PICTDESC desc = {};
  desc.cbSizeofstruct = sizeof desc;
  desc.picType = PICTYPE_BITMAP;
  desc.bmp.hbitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(desc.bmp.hbitmap, nullptr);
  memset(bits, 0x5A, static_cast<size_t>((width * 3 + 3) / 4 * 4 * height));
  IPictureDisp* picture = nullptr;
  ASSERT_HRESULT_SUCCEEDED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture)));
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_DISPATCH;
  value.pdispVal = picture;  // handed over: Invoke clears it
  EXPECT_HRESULT_SUCCEEDED(Invoke(object, name, flags, {value}, nullptr)) << "put " << name;
}

// The type and HIMETRIC size of a picture property ("<none>" without a picture).
std::wstring PictureOf(IDispatch* object, const wchar_t* name) {
  VARIANT result;
  VariantInit(&result);
  std::wstring out = L"<none>";
  if (SUCCEEDED(Invoke(object, name, DISPATCH_PROPERTYGET, {}, &result)) && result.vt == VT_DISPATCH && result.pdispVal) {
    if (IPicture* picture = Query<IPicture>(result.pdispVal, IID_IPicture)) {
      SHORT type = 0;
      OLE_XSIZE_HIMETRIC width = 0;
      OLE_YSIZE_HIMETRIC height = 0;
      picture->get_Type(&type);
      picture->get_Width(&width);
      picture->get_Height(&height);
      out = L"picture type " + std::to_wstring(type) + L" " + std::to_wstring(width) + L"x" + std::to_wstring(height);
      picture->Release();
    }
  }
  VariantClear(&result);
  return out;
}

void SetSlide(IDispatch* s) {
  Put(s, L"MaxValue", Long(200));
  Put(s, L"Value", Long(150));
  Put(s, L"BarColor", Long(RGB(1, 2, 3)));
  Put(s, L"InnerColor", Long(static_cast<LONG>(0x8000000F)));
  Put(s, L"SliderStyle", Long(1));
  Put(s, L"FontName", Text(L"Arial"));
  PutPicture(s, L"PictureBack", DISPATCH_PROPERTYPUTREF, 8, 6);
  EXPECT_NE(PictureOf(s, L"PictureBack"), L"<none>");
}

std::vector<std::wstring> ReadSlide(IDispatch* s) {
  return {Get(s, L"MaxValue"), Get(s, L"Value"), Get(s, L"BarColor"), Get(s, L"InnerColor"),
          Get(s, L"SliderStyle"), Get(s, L"FontName"), PictureOf(s, L"PictureBack"), PictureOf(s, L"PictureThumb")};
}

// The face name and size of a font property ("<none>" without a font).
std::wstring FontOf(IDispatch* object, const wchar_t* name) {
  VARIANT result;
  VariantInit(&result);
  std::wstring out = L"<none>";
  if (SUCCEEDED(Invoke(object, name, DISPATCH_PROPERTYGET, {}, &result)) && result.vt == VT_DISPATCH && result.pdispVal) {
    IFont* font = Query<IFont>(result.pdispVal, IID_IFont);
    if (font) {
      BSTR face = nullptr;
      CY size = {};
      BOOL bold = FALSE;
      font->get_Name(&face);
      font->get_Size(&size);
      font->get_Bold(&bold);
      out = std::wstring(face ? face : L"") + L" " + std::to_wstring(size.int64 / 100) + (bold ? L" bold" : L"");
      SysFreeString(face);
      font->Release();
    }
  }
  VariantClear(&result);
  return out;
}

void SetTree(IDispatch* t) {
  Put(t, L"BackColor", Long(0x123456));
  Put(t, L"TitleText", Text(L"Laufwerke"));
  Put(t, L"ShowTitle", Long(-1));
  Put(t, L"TipsDelay", Long(25));
  Put(t, L"FontSize", Long(12));
  Call(t, L"AddColumn", {Text(L"Name"), Long(120)});
  Call(t, L"AddColumn", {Text(L"Wert"), Long(80)});
  VARIANT align = Long(1);
  VARIANT column = Long(2);
  EXPECT_HRESULT_SUCCEEDED(Invoke(t, L"ColumnTextAlign", DISPATCH_PROPERTYPUT, {column, align}, nullptr));
  FONTDESC desc = {sizeof desc, const_cast<LPOLESTR>(L"Arial"), {}, FW_BOLD, DEFAULT_CHARSET, FALSE, FALSE, FALSE};
  desc.cySize.int64 = 120000;  // 12 points
  IFontDisp* font = nullptr;
  ASSERT_HRESULT_SUCCEEDED(OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&font)));
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_DISPATCH;
  value.pdispVal = font;  // handed over: Invoke clears it
  EXPECT_HRESULT_SUCCEEDED(Invoke(t, L"TitleFont", DISPATCH_PROPERTYPUT, {value}, nullptr));
  PutPicture(t, L"Picture", DISPATCH_PROPERTYPUT, 12, 4);
  EXPECT_NE(PictureOf(t, L"Picture"), L"<none>");
}

std::vector<std::wstring> ReadTree(IDispatch* t) {
  return {Get(t, L"BackColor"), Get(t, L"TitleText"), Get(t, L"ShowTitle"), Get(t, L"TipsDelay"),
          Get(t, L"FontSize"), Get(t, L"ColumnCount"), Get(t, L"ColumnText", {Long(2)}),
          Get(t, L"ColumnWidth", {Long(1)}), Get(t, L"ColumnTextAlign", {Long(2)}), PictureOf(t, L"Picture"),
          PictureOf(t, L"PictureLeaf"), FontOf(t, L"TitleFont")};
}

void SetBar(IDispatch* b) {
  Put(b, L"Max", Long(500));
  Put(b, L"LargeChange", Long(50));
  Put(b, L"SmallChange", Long(5));
  Put(b, L"Value", Long(120));
  Put(b, L"Orientation", Long(1));
  Put(b, L"BorderStyle", Long(1));
}

std::vector<std::wstring> ReadBar(IDispatch* b) {
  return {Get(b, L"Max"), Get(b, L"LargeChange"), Get(b, L"SmallChange"), Get(b, L"Value"), Get(b, L"Orientation"),
          Get(b, L"BorderStyle")};
}

TEST_F(AtlHostTest, PropertiesRoundTripThroughStreamAndBagAndBadStreamsAreRefused) {
  const Design designs[] = {
      {kSlideProgId, SetSlide, ReadSlide}, {kTreeProgId, SetTree, ReadTree}, {kBarProgId, SetBar, ReadBar}};
  for (const Design& d : designs) {
    SCOPED_TRACE(::testing::Message() << "control " << std::string(d.progId, d.progId + wcslen(d.progId)));
    IDispatch* designed = CreateByProgId(d.progId);
    ASSERT_NE(designed, nullptr);
    IDispatch* defaults = CreateByProgId(d.progId);
    d.set(designed);
    const std::vector<std::wstring> expected = d.read(designed);
    ASSERT_NE(expected, d.read(defaults)) << "the design changes nothing";
    if (d.progId == kTreeProgId) {
      // Wine's font object reports the face and size it realised (Arial may become Liberation Sans).
      EXPECT_NE(expected.back().find(L" bold"), std::wstring::npos) << "the title font was not taken";
    }

    // IPersistStreamInit: equal values in a fresh instance.
    std::vector<BYTE> bytes = SaveToBytes(designed);
    ASSERT_GT(bytes.size(), 16u);
    IDispatch* fromStream = CreateByProgId(d.progId);
    EXPECT_HRESULT_SUCCEEDED(LoadFromBytes(fromStream, bytes));
    EXPECT_EQ(d.read(fromStream), expected);

    // IPersistPropertyBag: the same.
    MemoryBag bag;
    IPersistPropertyBag* persist = Query<IPersistPropertyBag>(designed, IID_IPersistPropertyBag);
    ASSERT_HRESULT_SUCCEEDED(persist->Save(&bag, TRUE, TRUE));
    persist->Release();
    IDispatch* fromBag = CreateByProgId(d.progId);
    persist = Query<IPersistPropertyBag>(fromBag, IID_IPersistPropertyBag);
    ASSERT_HRESULT_SUCCEEDED(persist->InitNew());
    ASSERT_HRESULT_SUCCEEDED(persist->Load(&bag, nullptr));
    persist->Release();
    EXPECT_EQ(d.read(fromBag), expected);

    // Every cut of the stream is an error and leaves the instance as it was; flipped bytes never crash.
    const std::vector<std::wstring> untouched = d.read(fromStream);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
      std::vector<BYTE> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
      HRESULT hr = LoadFromBytes(fromStream, part);
      EXPECT_TRUE(FAILED(hr)) << "a stream cut at " << cut << " of " << bytes.size() << " loaded";
    }
    EXPECT_EQ(d.read(fromStream), untouched);
    for (size_t i = 0; i < bytes.size(); i += 3) {
      std::vector<BYTE> damaged = bytes;
      damaged[i] ^= 0xA5;
      LoadFromBytes(fromStream, damaged);
    }
    EXPECT_EQ(d.read(fromStream).size(), expected.size()) << "the control stopped answering";
    EXPECT_NE(Get(fromStream, L"hWnd"), L"<error>") << "the control stopped answering";

    fromBag->Release();
    fromStream->Release();
    defaults->Release();
    designed->Release();
  }
}

// A form's site as a container offers it to its controls: its ambient properties (colours, font,
// design or run mode) through IDispatch. Lives on the stack; references are not counted.
class AmbientSite final : public IOleClientSite, public IDispatch {
 public:
  bool userMode = true;
  IFontDisp* font = nullptr;
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
      *out = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IDispatch))
      *out = static_cast<IDispatch*>(this);
    else
      return *out = nullptr, E_NOINTERFACE;
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** m) override { return *m = nullptr, E_NOTIMPL; }
  STDMETHODIMP GetContainer(IOleContainer** c) override { return *c = nullptr, E_NOINTERFACE; }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
  STDMETHODIMP GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
    if (!result) return E_POINTER;
    VariantInit(result);
    switch (id) {
      case DISPID_AMBIENT_USERMODE: V_VT(result) = VT_BOOL, V_BOOL(result) = userMode ? VARIANT_TRUE : VARIANT_FALSE; break;
      case DISPID_AMBIENT_BACKCOLOR: V_VT(result) = VT_I4, V_I4(result) = 0x336699; break;
      case DISPID_AMBIENT_FORECOLOR: V_VT(result) = VT_I4, V_I4(result) = 0x112233; break;
      case DISPID_AMBIENT_FONT:
        if (!font) return DISP_E_MEMBERNOTFOUND;
        font->AddRef();
        V_VT(result) = VT_DISPATCH, V_DISPATCH(result) = font;
        break;
      default: return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
  }
};

// Counts the container notifications of IOleObject::Advise.
class CloseCounter final : public IAdviseSink {
 public:
  int closed = 0;
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IAdviseSink)) return *out = nullptr, E_NOINTERFACE;
    *out = this;
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP_(void) OnDataChange(FORMATETC*, STGMEDIUM*) override {}
  STDMETHODIMP_(void) OnViewChange(DWORD, LONG) override {}
  STDMETHODIMP_(void) OnRename(IMoniker*) override {}
  STDMETHODIMP_(void) OnSave() override {}
  STDMETHODIMP_(void) OnClose() override { ++closed; }
};

// A control placed new on a form takes the form's colours (and the tree its font); while the form
// is in design mode, or has frozen events, the control fires none; every advised container hears
// the control close.
TEST_F(AtlHostTest, NewControlsTakeTheFormsAmbientsAndDesignModeMutesEvents) {
  AmbientSite site;
  FONTDESC desc = {sizeof desc, const_cast<LPOLESTR>(L"Courier New"), {}, FW_BOLD, DEFAULT_CHARSET, FALSE, FALSE, FALSE};
  desc.cySize.int64 = 140000;
  ASSERT_HRESULT_SUCCEEDED(OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&site.font)));
  for (const wchar_t* progId : {kTreeProgId, kSlideProgId}) {
    SCOPED_TRACE(::testing::Message() << "control " << std::string(progId, progId + wcslen(progId)));
    IDispatch* control = CreateByProgId(progId);
    ASSERT_NE(control, nullptr);
    EXPECT_NE(Get(control, L"BackColor"), std::to_wstring(0x336699));
    IOleObject* ole = Query<IOleObject>(control, IID_IOleObject);
    ASSERT_HRESULT_SUCCEEDED(ole->SetClientSite(&site));
    IPersistStreamInit* persist = Query<IPersistStreamInit>(control, IID_IPersistStreamInit);
    ASSERT_HRESULT_SUCCEEDED(persist->InitNew());
    EXPECT_EQ(Get(control, L"BackColor"), std::to_wstring(0x336699));
    EXPECT_EQ(Get(control, L"ForeColor"), std::to_wstring(0x112233));
    if (progId == kTreeProgId) {
      EXPECT_NE(FontOf(control, L"Font").find(L" bold"), std::wstring::npos) << "the form's font was not taken";

      std::vector<DISPID> fired;
      std::vector<LONG> firstArgs;
      kv::com::EventSink* sink = ConnectThroughClassInfo(control, &fired, &firstArgs);
      IOleControl* oleControl = Query<IOleControl>(control, IID_IOleControl);
      auto sortFires = [&] {
        fired.clear();
        VARIANT result;
        VariantInit(&result);
        Invoke(control, L"Sort", DISPATCH_METHOD, {Long(0), Long(0)}, &result);
        VariantClear(&result);
        return !fired.empty();
      };
      EXPECT_TRUE(sortFires()) << "run mode";
      site.userMode = false;
      oleControl->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
      EXPECT_FALSE(sortFires()) << "design mode";
      site.userMode = true;
      oleControl->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
      EXPECT_TRUE(sortFires()) << "back in run mode";
      oleControl->FreezeEvents(TRUE);
      EXPECT_FALSE(sortFires()) << "frozen";
      oleControl->FreezeEvents(FALSE);
      EXPECT_TRUE(sortFires()) << "thawed";
      oleControl->Release();
      sink->Disconnect();
      sink->Release();
    }

    CloseCounter first, second;
    DWORD cookies[2] = {};
    ASSERT_HRESULT_SUCCEEDED(ole->Advise(&first, &cookies[0]));
    ASSERT_HRESULT_SUCCEEDED(ole->Advise(&second, &cookies[1]));
    EXPECT_NE(cookies[0], cookies[1]);
    ole->Close(OLECLOSE_NOSAVE);
    EXPECT_EQ(first.closed, 1);
    EXPECT_EQ(second.closed, 1);
    EXPECT_HRESULT_SUCCEEDED(ole->Unadvise(cookies[0]));
    EXPECT_HRESULT_SUCCEEDED(ole->Unadvise(cookies[1]));
    EXPECT_EQ(ole->Unadvise(cookies[1]), OLE_E_NOCONNECTION);

    ole->SetClientSite(nullptr);
    persist->Release();
    ole->Release();
    control->Release();
  }
  site.font->Release();
}

}  // namespace
