// kvSlide COM object.
#include "slider/com/slide_control.h"

#include <new>
#include <string>
#include <utility>

#include "activex/about_box.h"
#include "activex/ole_functions.h"
#include "activex/persist/picture_property.h"
#include "activex/point_enumerator.h"
#include "activex/property_page/page_clsids.h"
#include "resources/kvslide/kvslide_strings.h"
#include "slider/com/ole_property_bag.h"
#include "slider/win/slider_window.h"
#include "activex/variant.h"

namespace kvslide {
namespace {

// "Invalid property value", the error automation clients expect for a value a property refuses.
constexpr HRESULT kInvalidPropertyValue = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 380);

std::string Narrow(const wchar_t* text, UINT length) {
  if (!text || length == 0) return std::string();
  int size = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), &out[0], size, nullptr, nullptr);
  return out;
}

BSTR Widen(const std::string& text) {
  int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
  BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(size));
  if (out) MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), out, size);
  return out;
}

}  // namespace

namespace {
const kv::com::OleControlInfo kOleInfo = {&CLSID_kvSlide, &DIID__DkvSlideEvents, kv::pages::kSlidePages,
                                          sizeof kv::pages::kSlidePages / sizeof kv::pages::kSlidePages[0],
                                          SIZEL{200, 48}};
}  // namespace

SlideControl::SlideControl()
    : DispatchImpl(IID__DkvSlide),
      OleControl(kOleInfo),
      events_(Identity(), DIID__DkvSlideEvents),
      notify_(Identity()) {
  model_.SetObserver(this);
  OleAttachEvents(&events_);
}

SlideControl::~SlideControl() {
  tearingDown_ = true;
  OleShutdown();
  if (hwnd_) DestroyWindow(hwnd_);  // WindowGone clears hwnd_
  model_.SetObserver(nullptr);
  events_.DisconnectAll();
  notify_.DisconnectAll();
  if (pictureBack_) pictureBack_->Release();
  if (pictureThumb_) pictureThumb_->Release();
  if (ambientFont_) ambientFont_->Release();
}

void SlideControl::OleAmbientsChanged(const kv::com::Ambients& ambients) {
  if (ambients.newControl) {
    // A new control on a form takes the form's colours.
    if (ambients.hasBackColor) model_.SetProperty(dispid::kBackColor, static_cast<int32_t>(ambients.backColor));
    if (ambients.hasForeColor) model_.SetProperty(dispid::kForeColor, static_cast<int32_t>(ambients.foreColor));
  }
  IFont* font = nullptr;
  if (ambients.font) ambients.font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font));
  if (ambientFont_) ambientFont_->Release();
  ambientFont_ = font;
  Redraw();
}

HFONT SlideControl::ContainerFont() {
  HFONT font = nullptr;
  if (ambientFont_ && FAILED(ambientFont_->get_hFont(&font))) font = nullptr;
  return font;
}

HRESULT SlideControl::CreateWindowIn(HWND parent, const RECT& box, int controlId) {
  if (hwnd_) return E_UNEXPECTED;
  if (!parent || !IsWindow(parent)) return E_INVALIDARG;
  model_.SetClientSize(box.right - box.left, box.bottom - box.top);
  hwnd_ = SliderWindow::Create(this, parent, box, controlId);
  if (!hwnd_) return HRESULT_FROM_WIN32(GetLastError());
  EnableWindow(hwnd_, model_.Properties().enabled);
  return S_OK;
}

STDMETHODIMP SlideControl::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID__DkvSlide)) {
    *object = static_cast<_DkvSlide*>(this);
  } else if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
    *object = static_cast<IConnectionPointContainer*>(this);
  } else if (QueryOle(iid, object)) {
    return S_OK;
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) SlideControl::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) SlideControl::Release() {
  LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP SlideControl::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                  VARIANT* result, EXCEPINFO* exception, UINT* argError) {
  if (id == DISPID_VALUE) id = dispid::kValue;
  return DispatchImpl::Invoke(id, riid, lcid, flags, params, result, exception, argError);
}

HRESULT SlideControl::GetFlag(int id, VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  int32_t v = 0;
  if (!model_.GetProperty(id, &v)) return E_FAIL;
  *value = v ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT SlideControl::PutNumber(int id, int32_t value) {
  if (!model_.SetProperty(id, value)) return kInvalidPropertyValue;
  if (id == dispid::kFontBold || id == dispid::kFontItalic || id == dispid::kFontUnderline ||
      id == dispid::kFontStrikethru)
    stockFont_.Follow(CurrentFontParts());
  OleSetDirty();
  return S_OK;
}

STDMETHODIMP SlideControl::get_FontName(BSTR* value) {
  if (!value) return E_POINTER;
  *value = Widen(model_.Properties().fontName);
  return *value ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP SlideControl::put_FontName(BSTR value) {
  std::string name = Narrow(value, SysStringLen(value));
  if (name.size() >= LF_FACESIZE) return kInvalidPropertyValue;
  model_.SetFontName(name);
  stockFont_.Follow(CurrentFontParts());
  OleSetDirty();
  return S_OK;
}

STDMETHODIMP SlideControl::get_FontSize(float* value) {
  if (!value) return E_POINTER;
  *value = model_.Properties().fontSize;
  return S_OK;
}

STDMETHODIMP SlideControl::put_FontSize(float value) {
  if (!(value >= 0 && value <= 1000)) return kInvalidPropertyValue;  // also refuses NaN
  model_.SetFontSize(value);
  stockFont_.Follow(CurrentFontParts());
  OleSetDirty();
  return S_OK;
}

HRESULT SlideControl::SetPicture(IPictureDisp** slot, IPictureDisp* value) {
  if (value) value->AddRef();
  if (*slot) (*slot)->Release();
  *slot = value;
  Redraw();
  return S_OK;
}

STDMETHODIMP SlideControl::get_PictureBack(IPictureDisp** value) {
  if (!value) return E_POINTER;
  if ((*value = pictureBack_)) pictureBack_->AddRef();
  return S_OK;
}

STDMETHODIMP SlideControl::putref_PictureBack(IPictureDisp* value) { return SetPicture(&pictureBack_, value); }

STDMETHODIMP SlideControl::get_PictureThumb(IPictureDisp** value) {
  if (!value) return E_POINTER;
  if ((*value = pictureThumb_)) pictureThumb_->AddRef();
  return S_OK;
}

STDMETHODIMP SlideControl::putref_PictureThumb(IPictureDisp* value) { return SetPicture(&pictureThumb_, value); }

STDMETHODIMP SlideControl::get_Enabled(VARIANT_BOOL* value) { return GetFlag(dispid::kEnabled, value); }

STDMETHODIMP SlideControl::put_Enabled(VARIANT_BOOL value) {
  model_.SetProperty(dispid::kEnabled, value ? 1 : 0);
  if (hwnd_) EnableWindow(hwnd_, value ? TRUE : FALSE);
  return S_OK;
}

STDMETHODIMP SlideControl::get_Font(IFontDisp** value) { return stockFont_.Get(CurrentFontParts(), value); }

STDMETHODIMP SlideControl::putref_Font(IFontDisp* value) {
  if (!value) return kInvalidPropertyValue;
  return stockFont_.Put(value);
}

// The empty face name and size 0 (the container's font) show as the standard font in the object.
kv::com::FontParts SlideControl::CurrentFontParts() const {
  const SliderProperties& p = model_.Properties();
  kv::com::FontParts parts;
  parts.name = L"MS Sans Serif";
  if (BSTR name = p.fontName.empty() ? nullptr : Widen(p.fontName)) {
    parts.name.assign(name, SysStringLen(name));
    SysFreeString(name);
  }
  parts.size = p.fontSize > 0 ? p.fontSize : 8.0f;
  parts.bold = p.fontBold;
  parts.italic = p.fontItalic;
  parts.underline = p.fontUnderline;
  parts.strikethrough = p.fontStrikethru;
  return parts;
}

// Only the parts that differ from what the control shows are taken, so the container's font stays
// the container's until the object names another face or size.
void SlideControl::OnStockFontChanged(const kv::com::FontParts& parts) {
  const kv::com::FontParts shown = CurrentFontParts();
  if (parts.name != shown.name)
    model_.SetFontName(Narrow(parts.name.c_str(), static_cast<UINT>(parts.name.size())).substr(0, LF_FACESIZE - 1));
  if (parts.size != shown.size && parts.size >= 0 && parts.size <= 1000) model_.SetFontSize(parts.size);
  model_.SetProperty(dispid::kFontBold, parts.bold);
  model_.SetProperty(dispid::kFontItalic, parts.italic);
  model_.SetProperty(dispid::kFontUnderline, parts.underline);
  model_.SetProperty(dispid::kFontStrikethru, parts.strikethrough);
  OleSetDirty();
}

STDMETHODIMP SlideControl::get_hWnd(long* value) {
  if (!value) return E_POINTER;
  // Window handles carry 32 significant bits on 64-bit Windows too.
  *value = static_cast<long>(reinterpret_cast<LONG_PTR>(hwnd_));
  return S_OK;
}

STDMETHODIMP SlideControl::AboutBox() {
  kv::com::ShowAboutBox(hwnd_, IDS_KVSLIDE_ABOUT_CAPTION, IDS_KVSLIDE_ABOUT_TEXT);
  return S_OK;
}

STDMETHODIMP SlideControl::EnumConnectionPoints(IEnumConnectionPoints** points) {
  IConnectionPoint* events = nullptr;
  HRESULT hr = events_.Container()->FindConnectionPoint(DIID__DkvSlideEvents, &events);
  if (FAILED(hr)) return hr;
  IConnectionPoint* const all[] = {events, &notify_};
  hr = kv::com::EnumeratePoints(all, 2, points);
  events->Release();
  return hr;
}

STDMETHODIMP SlideControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (IsEqualIID(iid, IID_IPropertyNotifySink)) {
    *point = &notify_;
    notify_.AddRef();
    return S_OK;
  }
  return events_.Container()->FindConnectionPoint(iid, point);
}

void SlideControl::LoadAll(const SliderProperties& p) {
  model_.Load(p);
  stockFont_.Follow(CurrentFontParts());
  if (hwnd_) EnableWindow(hwnd_, model_.Properties().enabled);
}

HWND SlideControl::OleCreateWindow(HWND parent, const RECT& pos) {
  CreateWindowIn(parent, pos, 0);
  return hwnd_;
}

namespace {
// Stored names of the two picture properties.
constexpr char kPictureBackName[] = "PictureBack";
constexpr char kPictureThumbName[] = "PictureThumb";
}  // namespace

void SlideControl::OleInitNew() {
  SetPicture(&pictureBack_, nullptr);
  SetPicture(&pictureThumb_, nullptr);
  LoadAll(SliderProperties());
}

void SlideControl::OleLoad(const kv::persist::Bag& bag) {
  for (auto [slot, name] : {std::pair{&pictureBack_, kPictureBackName}, std::pair{&pictureThumb_, kPictureThumbName}}) {
    IPictureDisp* picture = kv::persist::LoadPicture(bag, name);
    SetPicture(slot, picture);  // a bag without the picture loads as none
    if (picture) picture->Release();
  }
  LoadAll(LoadProperties(ReadBag(bag)));
}

void SlideControl::OleSave(kv::persist::Bag& bag) {
  WriteBag out(bag);
  SaveProperties(model_.Properties(), out);
  kv::persist::SavePicture(bag, kPictureBackName, pictureBack_);
  kv::persist::SavePicture(bag, kPictureThumbName, pictureThumb_);
}

void SlideControl::ValueChanged() { notify_.Changed(dispid::kValue); }

void SlideControl::SlideChange() { events_.Fire(dispid::kSlideChange, nullptr, 0); }

void SlideControl::ThumbClick() { events_.Fire(dispid::kThumbClick, nullptr, 0); }

void SlideControl::Redraw() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

bool SlideControl::DrawPicture(PictureSlot slot, HDC dc, const RECT& box) {
  IPictureDisp* source = slot == PictureSlot::Back ? pictureBack_ : pictureThumb_;
  if (!source) return false;
  IPicture* picture = nullptr;
  if (FAILED(source->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) return false;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  // Pictures are upside down in HIMETRIC: start at the top and go up by the height.
  HRESULT hr = picture->Render(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, height, width,
                               -height, nullptr);
  picture->Release();
  return SUCCEEDED(hr);
}

void SlideControl::MouseEvent(int dispatchId, short button, short shift, long x, long y) {
  VARIANT args[] = {kv::com::VariantI2(button), kv::com::VariantI2(shift), kv::com::VariantI4(x),
                    kv::com::VariantI4(y)};
  events_.Fire(dispatchId, args, 4);
}

void SlideControl::PlainEvent(int dispatchId) { events_.Fire(dispatchId, nullptr, 0); }

}  // namespace kvslide
