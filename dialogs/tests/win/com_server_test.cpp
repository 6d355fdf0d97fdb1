// korvndlg.dll as its clients use it: the COM classes through their interfaces and IDispatch
// (objects made by the DLL's own class factory, no registration needed), the numbered errors with
// their error information, events of CTimer and FlatScrollBar, and the C++ client header.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "activex/event_sink.h"
#include "dialog_driver.h"
#include "dialogs/include/korvndlg_client.h"
#include "korvndlg_h.h"

namespace {

using GetClassObjectFunction = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);

class ComServerTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitialize(nullptr);
    module_ = LoadLibraryA("korvndlg.dll");
  }
  static void TearDownTestSuite() { CoUninitialize(); }

  template <class I>
  static I* Create(REFCLSID clsid, REFIID iid) {
    auto get = reinterpret_cast<GetClassObjectFunction>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    if (get == nullptr) return nullptr;
    IClassFactory* factory = nullptr;
    if (FAILED(get(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) return nullptr;
    I* object = nullptr;
    factory->CreateInstance(nullptr, iid, reinterpret_cast<void**>(&object));
    factory->Release();
    return object;
  }

  static HMODULE module_;
};
HMODULE ComServerTest::module_ = nullptr;

// What every ISubclass client of these tests shares: its identity and no type information.
class SubclassClientBase : public ISubclass {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_ISubclass)) {
      *out = static_cast<ISubclass*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
};

// A client implementing ISubclass the way a compiled program would.
class Client final : public SubclassClientBase {
 public:
  LONG response = 0;
  std::vector<LONG> seen;
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
  STDMETHODIMP_(ULONG) Release() override { return --refs; }
  STDMETHODIMP get_MsgResponse(LONG* out) override {
    *out = response;
    return S_OK;
  }
  STDMETHODIMP put_MsgResponse(LONG in) override {
    response = in;
    return S_OK;
  }
  STDMETHODIMP WindowProc(LONG, LONG message, LONG, LONG, LONG* result) override {
    seen.push_back(message);
    *result = 42;
    return S_OK;
  }
  ULONG refs = 1;
};

std::wstring ErrorDescription() {
  IErrorInfo* info = nullptr;
  std::wstring text;
  if (GetErrorInfo(0, &info) == S_OK && info != nullptr) {
    BSTR description = nullptr, source = nullptr;
    info->GetDescription(&description);
    info->GetSource(&source);
    text = std::wstring(source ? source : L"") + L"|" + (description ? description : L"");
    SysFreeString(description);
    SysFreeString(source);
    info->Release();
  }
  return text;
}

TEST_F(ComServerTest, GSubclassRaisesNumberedErrorsAndRestoresTheWindow) {
  _GSubclass* subclass = Create<_GSubclass>(CLSID_GSubclass, IID__GSubclass);
  ASSERT_NE(subclass, nullptr);
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  LONG hwnd = static_cast<LONG>(reinterpret_cast<LONG_PTR>(window));
  LONG_PTR original = GetWindowLongPtrA(window, GWLP_WNDPROC);
  Client client;

  ASSERT_EQ(subclass->AttachMessage(&client, hwnd, WM_APP + 1), S_OK);
  EXPECT_EQ(subclass->AttachMessage(&client, hwnd, WM_APP + 1), static_cast<HRESULT>(0x80040000 + 13082));
  EXPECT_EQ(ErrorDescription(), L"korvndlg.WindowProc|Message already handled by another class");
  EXPECT_EQ(SendMessageA(window, WM_APP + 1, 0, 0), 42);
  EXPECT_EQ(client.seen, std::vector<LONG>{WM_APP + 1});

  HWND desktop = GetDesktopWindow();
  DWORD process = 0;
  GetWindowThreadProcessId(desktop, &process);
  if (process != GetCurrentProcessId()) {
    EXPECT_EQ(subclass->AttachMessage(&client, static_cast<LONG>(reinterpret_cast<LONG_PTR>(desktop)), WM_APP + 1),
              static_cast<HRESULT>(0x80040000 + 13084));
    EXPECT_EQ(ErrorDescription(), L"korvndlg.WindowProc|Can't modify external window");
  }

  EXPECT_EQ(subclass->DetachMessage(&client, hwnd, WM_APP + 1), S_OK);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
  EXPECT_EQ(client.refs, 1u);  // the library let go of the client

  // The library keeps the client without owning it; a window destroyed while attached forgets it.
  ASSERT_EQ(subclass->AttachMessage(&client, hwnd, WM_APP + 2), S_OK);
  EXPECT_EQ(client.refs, 1u);
  DestroyWindow(window);
  EXPECT_EQ(client.refs, 1u);
  EXPECT_EQ(subclass->DetachMessage(&client, hwnd, WM_APP + 2), S_OK);
  subclass->Release();
}

// A client that detaches itself when it ends, the usual way of a form or class using GSubclass: its
// last release ends it while attached, and from then on the window works as before.
class SelfDetachingClient final : public SubclassClientBase {
 public:
  SelfDetachingClient(_GSubclass* subclass, LONG hwnd, bool* ended) : subclass_(subclass), hwnd_(hwnd), ended_(ended) {}
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override {
    if (--refs_ != 0) return refs_;
    subclass_->DetachMessage(this, hwnd_, WM_APP + 3);  // its "terminate" handler
    subclass_->DetachMessage(this, hwnd_, WM_APP + 4);
    *ended_ = true;
    delete this;
    return 0;
  }
  STDMETHODIMP get_MsgResponse(LONG* out) override {
    *out = 0;
    return S_OK;
  }
  STDMETHODIMP put_MsgResponse(LONG) override { return S_OK; }
  STDMETHODIMP WindowProc(LONG, LONG, LONG, LONG, LONG* result) override {
    *result = 77;
    return S_OK;
  }

 private:
  ~SelfDetachingClient() = default;
  _GSubclass* subclass_;
  LONG hwnd_;
  bool* ended_;
  ULONG refs_ = 1;
};

TEST_F(ComServerTest, GSubclassClientThatDetachesItselfEndsWhileAttached) {
  _GSubclass* subclass = Create<_GSubclass>(CLSID_GSubclass, IID__GSubclass);
  ASSERT_NE(subclass, nullptr);
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const LONG hwnd = static_cast<LONG>(reinterpret_cast<LONG_PTR>(window));
  const LONG_PTR original = GetWindowLongPtrA(window, GWLP_WNDPROC);
  bool ended = false;
  auto* client = new SelfDetachingClient(subclass, hwnd, &ended);
  ASSERT_EQ(subclass->AttachMessage(client, hwnd, WM_APP + 3), S_OK);
  ASSERT_EQ(subclass->AttachMessage(client, hwnd, WM_APP + 4), S_OK);
  EXPECT_EQ(SendMessageA(window, WM_APP + 3, 0, 0), 77);

  client->Release();  // the owner lets go: nothing else holds the client
  EXPECT_TRUE(ended) << "the library kept the client alive";
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original) << "the window was not given back";
  EXPECT_EQ(SendMessageA(window, WM_APP + 3, 0, 0), 0);
  // A new client can take the same messages afterwards.
  Client next;
  EXPECT_EQ(subclass->AttachMessage(&next, hwnd, WM_APP + 3), S_OK);
  EXPECT_EQ(SendMessageA(window, WM_APP + 3, 0, 0), 42);
  EXPECT_EQ(subclass->DetachMessage(&next, hwnd, WM_APP + 3), S_OK);
  DestroyWindow(window);
  subclass->Release();
}

TEST_F(ComServerTest, TimerRaisesTickEventsUntilStopped) {
  _CTimer* timer = Create<_CTimer>(CLSID_CTimer, IID__CTimer);
  ASSERT_NE(timer, nullptr);
  int ticks = 0;
  kv::com::EventSink* sink = kv::com::EventSink::Create([&](DISPID id, const kv::com::EventArgs&) {
    if (id == 1) ++ticks;
  });
  ASSERT_EQ(sink->Connect(timer, DIID___CTimer), S_OK);
  ASSERT_EQ(timer->put_Interval(10), S_OK);
  LONG interval = 0;
  timer->get_Interval(&interval);
  EXPECT_EQ(interval, 10);
  EXPECT_TRUE(kvdlg::test::PumpUntil([&] { return ticks >= 2; }, 5000));
  timer->put_Interval(0);
  timer->get_Interval(&interval);
  EXPECT_EQ(interval, 0);
  sink->Disconnect();
  sink->Release();
  timer->Release();
}

TEST_F(ComServerTest, FlatScrollBarSitedLineDownAndBottom) {
  _FlatScrollBar* bar = Create<_FlatScrollBar>(CLSID_FlatScrollBar, IID__FlatScrollBar);
  ASSERT_NE(bar, nullptr);
  LONG max = 0;
  bar->get_Max(&max);
  EXPECT_EQ(max, 32767);  // default
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  bar->put_Orientation(1);
  ASSERT_EQ(bar->SiteIn(static_cast<LONG>(reinterpret_cast<LONG_PTR>(parent)), 0, 0, 16, 150), S_OK);
  int changes = 0;
  kv::com::EventSink* sink = kv::com::EventSink::Create([&](DISPID id, const kv::com::EventArgs&) {
    if (id == 1) ++changes;
  });
  ASSERT_EQ(sink->Connect(bar, DIID___FlatScrollBar), S_OK);
  bar->put_Min(0);
  bar->put_Max(100);
  bar->put_Value(95);
  bar->put_SmallChange(10);
  LONG hwnd = 0;
  bar->get_hWnd(&hwnd);
  HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(hwnd));
  changes = 0;
  SendMessageA(window, WM_VSCROLL, SB_LINEDOWN, 0);
  LONG value = 0;
  bar->get_Value(&value);
  EXPECT_EQ(value, 100);
  EXPECT_EQ(changes, 1);
  bar->put_Value(0);
  SendMessageA(window, WM_VSCROLL, SB_BOTTOM, 0);
  bar->get_Value(&value);
  EXPECT_EQ(value, 100);
  sink->Disconnect();
  sink->Release();
  bar->Release();
  EXPECT_FALSE(IsWindow(window));
  DestroyWindow(parent);
}

TEST_F(ComServerTest, DialogMethodsThroughIDispatchByName) {
  _Dialog* dialog = Create<_Dialog>(CLSID_Dialog, IID__Dialog);
  ASSERT_NE(dialog, nullptr);
  const wchar_t* names[] = {L"IconDlg", L"FileDlg", L"ColorDlg", L"MsgDlg", L"HlpBox"};
  for (int i = 0; i < 5; ++i) {
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(names[i]);
    ASSERT_EQ(dialog->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
    EXPECT_EQ(id, i + 1) << i;  // methods in their designed order
  }
  kvdlg::test::DialogDriver driver(
      [](HWND box) { SendMessageA(GetDlgItem(box, 101), BM_CLICK, 0, 0); });
  VARIANT args[5];
  for (VARIANT& v : args) VariantInit(&v);
  // Reverse order: Button, WinHwnd, FadeOut, Message, Haedline.
  V_VT(&args[0]) = VT_I2;
  V_I2(&args[0]) = 1;
  V_VT(&args[1]) = VT_I4;
  V_I4(&args[1]) = 0;
  V_VT(&args[2]) = VT_BOOL;
  V_BOOL(&args[2]) = VARIANT_FALSE;
  V_VT(&args[3]) = VT_BSTR;
  V_BSTR(&args[3]) = SysAllocString(L"per IDispatch");
  V_VT(&args[4]) = VT_BSTR;
  V_BSTR(&args[4]) = SysAllocString(L"");
  DISPPARAMS params{args, nullptr, 5, 0};
  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(dialog->Invoke(4, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr), S_OK);
  EXPECT_EQ(V_VT(&result), VT_I4);
  EXPECT_EQ(V_I4(&result), 2);  // Cancel of OK + Cancel
  VariantClear(&args[3]);
  VariantClear(&args[4]);
  dialog->Release();
}

TEST(ClientHeader, LoadsTheLibraryAndCallsThroughCEntryPoints) {
  kvdlg::DialogClient dialogs;
  ASSERT_TRUE(dialogs.Loaded());
  std::string profile = dialogs.GetSpecialFolder(nullptr, 40);
  ASSERT_FALSE(profile.empty());
  EXPECT_EQ(profile.back(), '\\');
  EXPECT_EQ(dialogs.GetSpecialFolder(nullptr, 17), "");
  kvdlg::test::DialogDriver driver(
      [](HWND box) { SendMessageA(GetDlgItem(box, 100), BM_CLICK, 0, 0); });
  EXPECT_EQ(dialogs.MsgDlg("Client", "Yes or no?", false, nullptr, 2), 6);
  kvdlg::test::DialogDriver help([](HWND box) {
    SendMessageA(GetDlgItem(box, 18), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(box, 101), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialogs.HlpBox("Kopf#Text", false, nullptr, "Nicht mehr zeigen", ""), 1);
  kvdlg::DialogClient missing("no-such-library.dll");
  EXPECT_FALSE(missing.Loaded());
  EXPECT_EQ(missing.MsgDlg("x", "y", false, nullptr, 0), 2);
}

}  // namespace
