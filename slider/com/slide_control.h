// The kvSlide COM object: the _DkvSlide dual interface over a SliderModel, events through
// connection points (_DkvSlideEvents and IPropertyNotifySink for Value), the OLE embedding of
// activex/ole_control.h (any container places it), and the slider window when the object is
// placed in a parent window. Without a window it works for script clients.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "activex/connection_point.h"
#include "activex/dispatch_base.h"
#include "activex/ole_control.h"
#include "activex/stock_font.h"
#include "kvslide_h.h"
#include "slider/com/property_notify_point.h"
#include "slider/model/slider_model.h"
#include "slider/win/slider_host.h"

namespace kvslide {

// Property pairs that only move a number between the interface and the model.
#define KV_SLIDE_NUMBER(Name, Type, id)                                                  \
  STDMETHODIMP get_##Name(Type* value) override { return GetNumber(id, value); }          \
  STDMETHODIMP put_##Name(Type value) override { return PutNumber(id, static_cast<int32_t>(value)); }
#define KV_SLIDE_FLAG(Name, id)                                                             \
  STDMETHODIMP get_##Name(VARIANT_BOOL* value) override { return GetFlag(id, value); }      \
  STDMETHODIMP put_##Name(VARIANT_BOOL value) override { return PutNumber(id, value ? 1 : 0); }

class SlideControl final : public kv::com::DispatchImpl<_DkvSlide>,
                           public IConnectionPointContainer,
                           public kv::com::OleControl,
                           private SliderObserver,
                           private SliderHost,
                           private kv::com::StockFontOwner {
 public:
  SlideControl();

  // Creates the control's window in `parent` (once).
  HRESULT CreateWindowIn(HWND parent, const RECT& box, int controlId);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IDispatch: DISPID_VALUE (the default member) reaches Value.
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argError) override;

  // _DkvSlide
  KV_SLIDE_NUMBER(BackColor, long, dispid::kBackColor)
  KV_SLIDE_NUMBER(ForeColor, long, dispid::kForeColor)
  KV_SLIDE_FLAG(FontBold, dispid::kFontBold)
  KV_SLIDE_FLAG(FontItalic, dispid::kFontItalic)
  KV_SLIDE_FLAG(FontStrikethru, dispid::kFontStrikethru)
  KV_SLIDE_FLAG(FontUnderline, dispid::kFontUnderline)
  KV_SLIDE_NUMBER(InnerBorder, enumBorder, dispid::kInnerBorder)
  KV_SLIDE_NUMBER(OuterBorder, enumBorder, dispid::kOuterBorder)
  KV_SLIDE_NUMBER(SliderStyle, enumSliderStyle, dispid::kSliderStyle)
  KV_SLIDE_NUMBER(KeyMove, short, dispid::kKeyMove)
  KV_SLIDE_NUMBER(PageMove, short, dispid::kPageMove)
  KV_SLIDE_NUMBER(BorderColor, long, dispid::kBorderColor)
  KV_SLIDE_NUMBER(InnerColor, long, dispid::kInnerColor)
  KV_SLIDE_NUMBER(Value, short, dispid::kValue)
  KV_SLIDE_NUMBER(MinValue, short, dispid::kMinValue)
  KV_SLIDE_NUMBER(MaxValue, short, dispid::kMaxValue)
  KV_SLIDE_NUMBER(InnerBottom, short, dispid::kInnerBottom)
  KV_SLIDE_NUMBER(InnerLeft, short, dispid::kInnerLeft)
  KV_SLIDE_NUMBER(InnerRight, short, dispid::kInnerRight)
  KV_SLIDE_NUMBER(InnerTop, short, dispid::kInnerTop)
  KV_SLIDE_NUMBER(SliderType, enumSliderType, dispid::kSliderType)
  KV_SLIDE_NUMBER(ShowMax, short, dispid::kShowMax)
  KV_SLIDE_NUMBER(ShowMin, short, dispid::kShowMin)
  KV_SLIDE_NUMBER(ShowIncrement, short, dispid::kShowIncrement)
  KV_SLIDE_NUMBER(ShowDivisions, short, dispid::kShowDivisions)
  KV_SLIDE_NUMBER(SliderOffset, short, dispid::kSliderOffset)
  KV_SLIDE_NUMBER(ThumbVert, short, dispid::kThumbVert)
  KV_SLIDE_NUMBER(ThumbHorz, short, dispid::kThumbHorz)
  KV_SLIDE_NUMBER(ThumbStyle, enumThumb, dispid::kThumbStyle)
  KV_SLIDE_NUMBER(ShowMultiply, short, dispid::kShowMultiply)
  KV_SLIDE_NUMBER(BarColor, long, dispid::kBarColor)
  KV_SLIDE_NUMBER(SlideValue, short, dispid::kSlideValue)
  STDMETHODIMP get_FontName(BSTR* value) override;
  STDMETHODIMP put_FontName(BSTR value) override;
  STDMETHODIMP get_FontSize(float* value) override;
  STDMETHODIMP put_FontSize(float value) override;
  STDMETHODIMP get_PictureBack(IPictureDisp** value) override;
  STDMETHODIMP putref_PictureBack(IPictureDisp* value) override;
  STDMETHODIMP get_PictureThumb(IPictureDisp** value) override;
  STDMETHODIMP putref_PictureThumb(IPictureDisp* value) override;
  STDMETHODIMP get_Enabled(VARIANT_BOOL* value) override;
  STDMETHODIMP put_Enabled(VARIANT_BOOL value) override;
  STDMETHODIMP get_Font(IFontDisp** value) override;
  STDMETHODIMP putref_Font(IFontDisp* value) override;
  STDMETHODIMP get_hWnd(long* value) override;
  STDMETHODIMP AboutBox() override;

  // IConnectionPointContainer: the events and the bound-property notification.
  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
  STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

  // Resolves the name shared by IDispatch and IProvideClassInfo.
  using DispatchImpl::GetTypeInfo;


 private:
  ~SlideControl();
  IUnknown* Identity() { return static_cast<IUnknown*>(static_cast<_DkvSlide*>(this)); }

  template <class T>
  HRESULT GetNumber(int id, T* value) {
    if (!value) return E_POINTER;
    int32_t v = 0;
    if (!model_.GetProperty(id, &v)) return E_FAIL;
    *value = static_cast<T>(v);
    return S_OK;
  }
  HRESULT GetFlag(int id, VARIANT_BOOL* value);
  HRESULT PutNumber(int id, int32_t value);
  HRESULT SetPicture(IPictureDisp** slot, IPictureDisp* value);
  void LoadAll(const SliderProperties& p);

  // OleControl: the persistent properties by name; absent or refused ones keep defaults.
  HWND OleCreateWindow(HWND parent, const RECT& pos) override;
  HWND OleWindow() override { return hwnd_; }
  void OleInitNew() override;
  void OleLoad(const kv::persist::Bag& bag) override;
  void OleSave(kv::persist::Bag& bag) override;

  // SliderObserver
  void ValueChanged() override;
  void SlideChange() override;
  void ThumbClick() override;
  void Redraw() override;

  // SliderHost
  SliderModel& Model() override { return model_; }
  bool DrawPicture(PictureSlot slot, HDC dc, const RECT& box) override;
  void MouseEvent(int dispatchId, short button, short shift, long x, long y) override;
  void PlainEvent(int dispatchId) override;
  // While the destructor destroys the window, its messages must not count references any more.
  void Hold() override {
    if (!tearingDown_) AddRef();
  }
  void Unhold() override {
    if (!tearingDown_) Release();
  }
  void WindowGone() override { hwnd_ = nullptr; }
  void FocusGained() override { OleFocusGained(); }
  // StockFontOwner
  void OnStockFontChanged(const kv::com::FontParts& parts) override;
  kv::com::FontParts CurrentFontParts() const override;
  HFONT ContainerFont() override;
  // The container's font becomes the font of a slider whose FontName is empty.
  void OleAmbientsChanged(const kv::com::Ambients& ambients) override;

  LONG refs_ = 1;
  bool tearingDown_ = false;
  kv::com::ModuleLock lock_;
  SliderModel model_;
  HWND hwnd_ = nullptr;
  IPictureDisp* pictureBack_ = nullptr;
  IPictureDisp* pictureThumb_ = nullptr;
  IFont* ambientFont_ = nullptr;  // owns the HFONT ContainerFont returns
  kv::com::StockFont stockFont_{*this};  // the Font object, in step with FontName, FontBold ...
  kv::com::ConnectionPoints events_;
  PropertyNotifyPoint notify_;
};

#undef KV_SLIDE_NUMBER
#undef KV_SLIDE_FLAG

}  // namespace kvslide
