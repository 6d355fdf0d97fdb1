// COM class FlatScrollBar: the flat scroll bar control's automation face. It works windowless
// (properties only) until SiteIn creates its window in a parent.
#include "activex/connection_point.h"
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

class FlatScrollBarObject final : public AutomationObject<_FlatScrollBar> {
 public:
  FlatScrollBarObject() : AutomationObject(IID__FlatScrollBar), events_(Unknown(), DIID___FlatScrollBar) {
    bar_.OnChange([this] { Fire(kChangeEvent); });
    bar_.OnScroll([this] { Fire(kScrollEvent); });
  }
  ~FlatScrollBarObject() override {
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

  STDMETHODIMP SiteIn(LONG parent, LONG left, LONG top, LONG width, LONG height) override {
    HWND window = WindowFromLong(parent);
    if (!IsWindow(window)) return E_INVALIDARG;
    return bar_.Create(window, 0, left, top, width, height) ? S_OK : E_FAIL;
  }

 protected:
  HRESULT QueryOther(REFIID iid, void** object) override { return QueryEvents(events_, iid, object); }

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
