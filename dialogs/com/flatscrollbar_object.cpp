// COM class FlatScrollBar: the flat scroll bar control's automation face and its OLE embedding
// (activex/ole_control.h), so any container places it like the other controls. It works
// windowless (properties only) until a container activates it or SiteIn creates its window.
#include "activex/connection_point.h"
#include "activex/ole_control.h"
#include "dialogs/com/automation_object.h"
#include "dialogs/com/com_support.h"
#include "dialogs/win/flat_scrollbar.h"
#include "korvndlg_h.h"

namespace kvdlg::com {

namespace {

constexpr DISPID kChangeEvent = 1;
constexpr DISPID kScrollEvent = 2;

#define KV_LONG_PROPERTY(Name, getter, setter)                  \
  STDMETHODIMP get_##Name(LONG* value) override {               \
    if (value == nullptr) return E_POINTER;                     \
    *value = getter;                                            \
    return S_OK;                                                \
  }                                                             \
  STDMETHODIMP put_##Name(LONG value) override {                \
    setter;                                                     \
    return S_OK;                                                \
  }

const kv::com::OleControlInfo kOleInfo = {&CLSID_FlatScrollBar, &DIID___FlatScrollBar, nullptr, 0, SIZEL{200, 17}};

// Persisted properties and their defaults.
constexpr std::int32_t kDefaultMax = 32767;

class FlatScrollBarObject final : public AutomationObject<_FlatScrollBar>, public kv::com::OleControl {
 public:
  FlatScrollBarObject()
      : AutomationObject(IID__FlatScrollBar), OleControl(kOleInfo), events_(Unknown(), DIID___FlatScrollBar) {
    bar_.OnChange([this] { Fire(kChangeEvent); });
    bar_.OnScroll([this] { Fire(kScrollEvent); });
    OleAttachEvents(&events_);
  }
  ~FlatScrollBarObject() override {
    OleShutdown();
    bar_.Destroy();
    events_.DisconnectAll();
  }

  KV_LONG_PROPERTY(Orientation, bar_.Orientation(), bar_.SetOrientation(value))
  KV_LONG_PROPERTY(Min, bar_.Min(), bar_.SetMin(value))
  KV_LONG_PROPERTY(Max, bar_.Max(), bar_.SetMax(value))
  KV_LONG_PROPERTY(Value, bar_.Value(), bar_.SetValue(value))
  KV_LONG_PROPERTY(LargeChange, bar_.LargeChange(), bar_.SetLargeChange(value))
  KV_LONG_PROPERTY(SmallChange, bar_.SmallChange(), bar_.SetSmallChange(value))
  KV_LONG_PROPERTY(Style, bar_.Style(), bar_.SetStyle(value))
  KV_LONG_PROPERTY(BorderStyle, borderStyle_, borderStyle_ = value)

  STDMETHODIMP get_Enabled(VARIANT_BOOL* value) override { return Bool(value, bar_.Enabled()); }
  STDMETHODIMP put_Enabled(VARIANT_BOOL value) override {
    bar_.SetEnabled(value != VARIANT_FALSE);
    return S_OK;
  }
  STDMETHODIMP get_AutoRedraw(VARIANT_BOOL* value) override { return Bool(value, autoRedraw_); }
  STDMETHODIMP put_AutoRedraw(VARIANT_BOOL value) override {
    autoRedraw_ = value != VARIANT_FALSE;
    return S_OK;
  }
  STDMETHODIMP get_ActiveBar(LONG* value) override { return Long(value, bar_.ActiveBar()); }
  STDMETHODIMP get_CanBeFlat(VARIANT_BOOL* value) override { return Bool(value, bar_.CanBeFlat()); }
  STDMETHODIMP get_ScaleWidth(LONG* value) override { return Long(value, ClientSize().right); }
  STDMETHODIMP get_ScaleHeight(LONG* value) override { return Long(value, ClientSize().bottom); }
  STDMETHODIMP get_hWnd(LONG* value) override { return Long(value, LongFromWindow(bar_.Window())); }

  // One IUnknown for the automation and the OLE interfaces.
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override { return AutomationObject::QueryInterface(iid, object); }
  STDMETHODIMP_(ULONG) AddRef() override { return AutomationObject::AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return AutomationObject::Release(); }

  STDMETHODIMP SiteIn(LONG parent, LONG left, LONG top, LONG width, LONG height) override {
    HWND window = WindowFromLong(parent);
    if (!IsWindow(window)) return E_INVALIDARG;
    return bar_.Create(window, 0, left, top, width, height) ? S_OK : E_FAIL;
  }

 protected:
  HRESULT QueryOther(REFIID iid, void** object) override {
    if (QueryOle(iid, object)) return S_OK;
    return QueryEvents(events_, iid, object);
  }

  // OleControl
  HWND OleCreateWindow(HWND parent, const RECT& pos) override {
    bar_.Create(parent, 0, pos.left, pos.top, pos.right - pos.left, pos.bottom - pos.top);
    return bar_.Window();
  }
  HWND OleWindow() override { return bar_.Window(); }
  void OleDrawWithoutWindow(HDC dc, const RECT& box) override { FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE)); }
  void OleInitNew() override {
    bar_.SetOrientation(0);
    bar_.SetMin(0);
    bar_.SetMax(kDefaultMax);
    bar_.SetLargeChange(0);
    bar_.SetSmallChange(1);
    bar_.SetValue(0);
    bar_.SetStyle(0);
    bar_.SetEnabled(true);
    borderStyle_ = 0;
    autoRedraw_ = false;
  }
  void OleLoad(const kv::persist::Bag& bag) override {
    std::int32_t v = 0;
    if (bag.ReadNumber("Orientation", &v)) bar_.SetOrientation(v);
    if (bag.ReadNumber("Min", &v)) bar_.SetMin(v);
    if (bag.ReadNumber("Max", &v)) bar_.SetMax(v);
    if (bag.ReadNumber("LargeChange", &v)) bar_.SetLargeChange(v);
    if (bag.ReadNumber("SmallChange", &v)) bar_.SetSmallChange(v);
    if (bag.ReadNumber("Value", &v)) bar_.SetValue(v);
    if (bag.ReadNumber("Style", &v)) bar_.SetStyle(v);
    if (bag.ReadNumber("BorderStyle", &v)) borderStyle_ = v;
    if (bag.ReadNumber("Enabled", &v)) bar_.SetEnabled(v != 0);
    if (bag.ReadNumber("AutoRedraw", &v)) autoRedraw_ = v != 0;
  }
  void OleSave(kv::persist::Bag& bag) override {
    bag.WriteNumber("Orientation", bar_.Orientation());
    bag.WriteNumber("Min", bar_.Min());
    bag.WriteNumber("Max", bar_.Max());
    bag.WriteNumber("Value", bar_.Value());
    bag.WriteNumber("LargeChange", bar_.LargeChange());
    bag.WriteNumber("SmallChange", bar_.SmallChange());
    bag.WriteNumber("Style", bar_.Style());
    bag.WriteNumber("BorderStyle", borderStyle_);
    bag.WriteNumber("Enabled", bar_.Enabled() ? -1 : 0);
    bag.WriteNumber("AutoRedraw", autoRedraw_ ? -1 : 0);
  }

 private:
  static HRESULT Bool(VARIANT_BOOL* out, bool value) {
    if (out == nullptr) return E_POINTER;
    *out = value ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  static HRESULT Long(LONG* out, LONG value) {
    if (out == nullptr) return E_POINTER;
    *out = value;
    return S_OK;
  }
  RECT ClientSize() const {
    RECT r{};
    if (bar_.Window() != nullptr) GetClientRect(bar_.Window(), &r);
    return r;
  }
  void Fire(DISPID id) {
    if (EventsFrozen()) return;
    AddRef();
    events_.Fire(id, nullptr, 0);
    Release();
  }

  kv::com::ConnectionPoints events_;
  FlatScrollBar bar_;
  LONG borderStyle_ = 0;
  bool autoRedraw_ = false;
};

#undef KV_LONG_PROPERTY

}  // namespace

HRESULT CreateFlatScrollBar(REFIID iid, void** object) {
  return kv::com::CreateAndQuery(new (std::nothrow) FlatScrollBarObject, iid, object);
}

}  // namespace kvdlg::com
