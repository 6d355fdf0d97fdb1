// The shared OLE embedding of our controls (see ole_control.h).
#include "activex/ole_control.h"

#include <new>
#include <vector>

#include "activex/com_module.h"
#include "activex/ole_functions.h"
#include "activex/persist/ole_bag.h"
#include "app/controls/win32/drawing_bitmap.h"

namespace kv::com {
namespace {

template <class T>
void ReleaseAndClear(T*& p) {
  if (p) {
    T* old = p;
    p = nullptr;
    old->Release();
  }
}

// Pixels <-> HIMETRIC (0.01 mm) at the screen's resolution.
LONG PixelsToHimetric(LONG pixels, int dpi) { return MulDiv(pixels, 2540, dpi); }

int ScreenDpi(int index) {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, index) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// Reads whole `size` bytes; false when the stream ends first.
bool ReadExactly(IStream* stream, void* buffer, ULONG size) {
  ULONG got = 0;
  HRESULT hr = stream->Read(buffer, size, &got);
  return SUCCEEDED(hr) && got == size;
}

bool GetAmbient(IOleClientSite* site, DISPID id, VARIANT* out) {
  VariantInit(out);
  IDispatch* ambient = nullptr;
  if (!site || FAILED(site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)))) return false;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  HRESULT hr = ambient->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, out, nullptr, nullptr);
  ambient->Release();
  return SUCCEEDED(hr);
}

}  // namespace

OleControl::OleControl(const OleControlInfo& info) : info_(info) {
  extent_.cx = PixelsToHimetric(info.defaultPixels.cx, ScreenDpi(LOGPIXELSX));
  extent_.cy = PixelsToHimetric(info.defaultPixels.cy, ScreenDpi(LOGPIXELSY));
}

OleControl::~OleControl() { OleShutdown(); }

void OleControl::OleShutdown() {
  ReleaseAndClear(frame_);
  ReleaseAndClear(document_);
  ReleaseAndClear(inPlaceSite_);
  ReleaseAndClear(site_);
  ReleaseAllSinks(oleSinks_);
  ReleaseAndClear(viewSink_);
}

bool OleControl::QueryOle(REFIID iid, void** object) {
  if (IsEqualIID(iid, IID_IOleObject)) {
    *object = static_cast<IOleObject*>(this);
  } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject)) {
    *object = static_cast<IOleInPlaceObject*>(this);
  } else if (IsEqualIID(iid, IID_IOleInPlaceActiveObject)) {
    *object = static_cast<IOleInPlaceActiveObject*>(this);
  } else if (IsEqualIID(iid, IID_IOleControl)) {
    *object = static_cast<IOleControl*>(this);
  } else if (IsEqualIID(iid, IID_IViewObject) || IsEqualIID(iid, IID_IViewObject2)) {
    *object = static_cast<IViewObject2*>(this);
  } else if (IsEqualIID(iid, IID_IPersist) || IsEqualIID(iid, IID_IPersistStreamInit)) {
    *object = static_cast<IPersistStreamInit*>(this);
  } else if (IsEqualIID(iid, IID_IPersistPropertyBag)) {
    *object = static_cast<IPersistPropertyBag*>(this);
  } else if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2)) {
    *object = static_cast<IProvideClassInfo2*>(this);
  } else if (IsEqualIID(iid, IID_ISpecifyPropertyPages)) {
    *object = static_cast<ISpecifyPropertyPages*>(this);
  } else {
    return false;
  }
  static_cast<IUnknown*>(*object)->AddRef();
  return true;
}

// --- IOleObject ---

STDMETHODIMP OleControl::SetClientSite(IOleClientSite* site) {
  if (site) site->AddRef();
  ReleaseAndClear(site_);
  site_ = site;
  if (site_) ReadAmbients();
  return S_OK;
}

STDMETHODIMP OleControl::GetClientSite(IOleClientSite** site) {
  if (!site) return E_POINTER;
  if ((*site = site_)) site_->AddRef();
  return S_OK;
}

STDMETHODIMP OleControl::Close(DWORD) {
  InPlaceDeactivate();
  for (IAdviseSink* sink : ReferencedSinks(oleSinks_)) {
    sink->OnClose();
    sink->Release();
  }
  return S_OK;
}

// The property frame over the control's pages (OleCreatePropertyFrame: olepro32.dll on NT 4.0).
HRESULT OleControl::ShowPropertyPages(HWND owner) {
  using Frame = HRESULT(WINAPI*)(HWND, UINT, UINT, LPCOLESTR, ULONG, IUnknown**, ULONG, CLSID*, LCID, DWORD, void*);
  static const auto frame = kv::ole::AutomationFunction<Frame>("OleCreatePropertyFrame");
  if (!frame || info_.pageCount == 0) return E_NOTIMPL;
  CAUUID pages = {};
  HRESULT hr = GetPages(&pages);
  if (FAILED(hr)) return hr;
  IUnknown* self = static_cast<IOleObject*>(this);
  hr = frame(owner ? owner : OleWindow(), 0, 0, L"", 1, &self, pages.cElems, pages.pElems, LOCALE_USER_DEFAULT, 0,
             nullptr);
  CoTaskMemFree(pages.pElems);
  return hr;
}

STDMETHODIMP OleControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT) {
  if (site && !site_) SetClientSite(site);
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
      return Activate(false);
    case OLEIVERB_UIACTIVATE:
      return Activate(true);
    case OLEIVERB_HIDE:
      if (HWND w = OleWindow()) ShowWindow(w, SW_HIDE);
      return S_OK;
    case OLEIVERB_PROPERTIES:
      return ShowPropertyPages(parent);
    default:
      return OLEOBJ_S_INVALIDVERB;
  }
}

STDMETHODIMP OleControl::EnumVerbs(IEnumOLEVERB** verbs) {
  if (verbs) *verbs = nullptr;
  return OLEOBJ_E_NOVERBS;
}

STDMETHODIMP OleControl::GetUserClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = *info_.clsid;
  return S_OK;
}

STDMETHODIMP OleControl::SetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  extent_ = *size;
  return S_OK;
}

STDMETHODIMP OleControl::GetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  *size = extent_;
  return S_OK;
}

STDMETHODIMP OleControl::Advise(IAdviseSink* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_INVALIDARG;
  try {
    oleSinks_.emplace_back(nextAdviseCookie_, sink);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  sink->AddRef();
  *cookie = nextAdviseCookie_++;
  return S_OK;
}

STDMETHODIMP OleControl::Unadvise(DWORD cookie) {
  for (auto it = oleSinks_.begin(); it != oleSinks_.end(); ++it) {
    if (it->first != cookie) continue;
    IAdviseSink* sink = it->second;
    oleSinks_.erase(it);
    sink->Release();
    return S_OK;
  }
  return OLE_E_NOCONNECTION;
}

STDMETHODIMP OleControl::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
            OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;
  return S_OK;
}

HRESULT OleControl::Activate(bool ui) {
  if (!site_) return E_UNEXPECTED;
  if (!inPlaceSite_) {
    IOleInPlaceSite* ip = nullptr;
    if (FAILED(site_->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&ip)))) return E_FAIL;
    if (ip->CanInPlaceActivate() != S_OK) {
      ip->Release();
      return E_FAIL;
    }
    inPlaceSite_ = ip;
    inPlaceSite_->OnInPlaceActivate();
  }
  HWND parent = nullptr;
  if (FAILED(inPlaceSite_->GetWindow(&parent)) || !parent) return E_FAIL;
  RECT pos = {}, clip = {};
  OLEINPLACEFRAMEINFO frameInfo = {};
  frameInfo.cb = sizeof frameInfo;
  ReleaseAndClear(frame_);
  ReleaseAndClear(document_);
  inPlaceSite_->GetWindowContext(&frame_, &document_, &pos, &clip, &frameInfo);
  HWND window = OleWindow();
  if (!window) {
    window = OleCreateWindow(parent, pos);
    if (!window) return E_FAIL;
  } else {
    if (GetParent(window) != parent) SetParent(window, parent);
    MoveWindow(window, pos.left, pos.top, pos.right - pos.left, pos.bottom - pos.top, TRUE);
  }
  ShowWindow(window, SW_SHOWNA);
  if (ui && !uiActive_) {
    uiActive_ = true;
    inPlaceSite_->OnUIActivate();
    if (GetFocus() != window && !IsChild(window, GetFocus())) SetFocus(window);
    if (frame_) frame_->SetActiveObject(this, nullptr);
    if (document_) document_->SetActiveObject(this, nullptr);
    if (frame_) frame_->SetBorderSpace(nullptr);
  }
  return S_OK;
}

void OleControl::OleFocusGained() {
  if (IOleControlSite* control = ControlSite()) {
    control->OnFocus(TRUE);
    control->Release();
  }
  if (!uiActive_ && inPlaceSite_) Activate(true);
}

// --- IOleWindow, IOleInPlaceObject ---

STDMETHODIMP OleControl::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = OleWindow();
  return *window ? S_OK : E_FAIL;
}

STDMETHODIMP OleControl::InPlaceDeactivate() {
  if (!inPlaceSite_) return S_OK;
  UIDeactivate();
  if (HWND w = OleWindow()) ShowWindow(w, SW_HIDE);
  inPlaceSite_->OnInPlaceDeactivate();
  ReleaseAndClear(frame_);
  ReleaseAndClear(document_);
  ReleaseAndClear(inPlaceSite_);
  return S_OK;
}

STDMETHODIMP OleControl::UIDeactivate() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  if (document_) document_->SetActiveObject(nullptr, nullptr);
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

STDMETHODIMP OleControl::SetObjectRects(LPCRECT pos, LPCRECT) {
  if (!pos) return E_POINTER;
  if (HWND w = OleWindow()) MoveWindow(w, pos->left, pos->top, pos->right - pos->left, pos->bottom - pos->top, TRUE);
  return S_OK;
}

// --- IOleInPlaceActiveObject ---

STDMETHODIMP OleControl::TranslateAccelerator(LPMSG msg) {
  if (!msg) return E_POINTER;
  bool tab = (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB);
  bool alt = (msg->message == WM_SYSKEYDOWN || msg->message == WM_SYSCHAR);
  if (!tab && !alt) return S_FALSE;  // the control's own key: the container dispatches it to us
  HRESULT hr = S_FALSE;
  if (IOleControlSite* control = ControlSite()) {
    DWORD modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0) modifiers |= 1;
    if (GetKeyState(VK_CONTROL) < 0) modifiers |= 2;
    if (GetKeyState(VK_MENU) < 0) modifiers |= 4;
    hr = control->TranslateAccelerator(msg, modifiers);
    control->Release();
  }
  return hr == S_OK ? S_OK : S_FALSE;
}

// --- IOleControl ---

STDMETHODIMP OleControl::GetControlInfo(CONTROLINFO* info) {
  if (!info) return E_POINTER;
  info->cb = sizeof *info;
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

STDMETHODIMP OleControl::OnAmbientPropertyChange(DISPID) {
  ReadAmbients();
  return S_OK;
}

STDMETHODIMP OleControl::FreezeEvents(BOOL freeze) {
  freezeCount_ += freeze ? 1 : (freezeCount_ > 0 ? -1 : 0);
  UpdateEventGate();
  return S_OK;
}

void OleControl::UpdateEventGate() {
  if (events_) events_->SetMuted(!userMode_ || freezeCount_ > 0);
}

void OleControl::ReadAmbients(bool newControl) {
  Ambients a;
  a.newControl = newControl;
  VARIANT v;
  if (GetAmbient(site_, DISPID_AMBIENT_USERMODE, &v)) {
    if (SUCCEEDED(VariantChangeType(&v, &v, 0, VT_BOOL))) a.userMode = V_BOOL(&v) != VARIANT_FALSE;
    VariantClear(&v);
  }
  if (GetAmbient(site_, DISPID_AMBIENT_BACKCOLOR, &v)) {
    if (SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4))) a.hasBackColor = true, a.backColor = V_I4(&v);
    VariantClear(&v);
  }
  if (GetAmbient(site_, DISPID_AMBIENT_FORECOLOR, &v)) {
    if (SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4))) a.hasForeColor = true, a.foreColor = V_I4(&v);
    VariantClear(&v);
  }
  VARIANT font;
  if (GetAmbient(site_, DISPID_AMBIENT_FONT, &font) && V_VT(&font) == VT_DISPATCH && V_DISPATCH(&font))
    V_DISPATCH(&font)->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(&a.font));
  VariantClear(&font);
  userMode_ = a.userMode;
  UpdateEventGate();
  OleAmbientsChanged(a);
  ReleaseAndClear(a.font);
}

IOleControlSite* OleControl::ControlSite() {
  IOleControlSite* control = nullptr;
  if (site_) site_->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&control));
  return control;
}

// --- IViewObject2 ---

STDMETHODIMP OleControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                              BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!dc || !bounds) return E_INVALIDARG;
  RECT box = {bounds->left, bounds->top, bounds->right, bounds->bottom};
  int width = box.right - box.left, height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return S_OK;
  HWND window = OleWindow();
  if (!window) {
    OleDrawWithoutWindow(dc, box);
    return S_OK;
  }
  // The window prints itself (frame, scroll bars and client area) into a memory bitmap of its own
  // size, copied to the box.
  RECT frame;
  GetWindowRect(window, &frame);
  const int ownWidth = frame.right - frame.left, ownHeight = frame.bottom - frame.top;
  if (ownWidth <= 0 || ownHeight <= 0) return S_OK;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = kv::controls::CreateBufferBitmap(ownWidth, ownHeight);
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(memory),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    if (width == ownWidth && height == ownHeight) {
      BitBlt(dc, box.left, box.top, width, height, memory, 0, 0, SRCCOPY);
    } else {
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, box.left, box.top, width, height, memory, 0, 0, ownWidth, ownHeight, SRCCOPY);
    }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  return S_OK;
}

void OleControl::OleDrawWithoutWindow(HDC dc, const RECT& box) { FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW)); }

STDMETHODIMP OleControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  if (sink) sink->AddRef();
  ReleaseAndClear(viewSink_);
  viewSink_ = sink;
  viewAspects_ = aspects;
  viewFlags_ = flags;
  return S_OK;
}

STDMETHODIMP OleControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  if (aspects) *aspects = viewAspects_;
  if (flags) *flags = viewFlags_;
  if (sink && (*sink = viewSink_)) viewSink_->AddRef();
  return S_OK;
}

STDMETHODIMP OleControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return GetExtent(aspect, size);
}

void OleControl::OleSetDirty() {
  dirty_ = true;
  if (viewSink_) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
}

// --- persistence ---

STDMETHODIMP OleControl::GetClassID(CLSID* clsid) { return GetUserClassID(clsid); }

STDMETHODIMP OleControl::InitNew() {
  OleInitNew();
  if (site_) ReadAmbients(true);
  dirty_ = false;
  return S_OK;
}

STDMETHODIMP OleControl::Load(LPSTREAM stream) {
  using kv::persist::ParseError;
  using kv::persist::PropertyList;
  if (!stream) return E_POINTER;
  uint8_t header[kv::persist::kHeaderSize];
  if (!ReadExactly(stream, header, sizeof header)) return STG_E_READFAULT;
  uint32_t payload = 0;
  ParseError e = PropertyList::ReadHeader(header, sizeof header, &payload);
  if (e != ParseError::None) return CTL_E_INVALIDFILEFORMAT;
  std::vector<uint8_t> bytes;
  try {
    bytes.resize(payload);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  if (payload && !ReadExactly(stream, bytes.data(), payload)) return STG_E_READFAULT;
  PropertyList list;
  if (PropertyList::ParsePayload(bytes.data(), bytes.size(), &list) != ParseError::None) return CTL_E_INVALIDFILEFORMAT;
  OleInitNew();
  OleLoad(list);
  dirty_ = false;
  return S_OK;
}

STDMETHODIMP OleControl::Save(LPSTREAM stream, BOOL clearDirty) {
  if (!stream) return E_POINTER;
  kv::persist::PropertyList list;
  OleSave(list);
  std::vector<uint8_t> bytes = list.Serialize();
  ULONG written = 0;
  HRESULT hr = stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  if (FAILED(hr)) return hr;
  if (written != bytes.size()) return STG_E_MEDIUMFULL;
  if (clearDirty) dirty_ = false;
  return S_OK;
}

STDMETHODIMP OleControl::GetSizeMax(ULARGE_INTEGER* size) {
  if (!size) return E_POINTER;
  kv::persist::PropertyList list;
  OleSave(list);
  size->QuadPart = list.Serialize().size();
  return S_OK;
}

STDMETHODIMP OleControl::Load(IPropertyBag* bag, IErrorLog* log) {
  if (!bag) return E_POINTER;
  kv::persist::OleBag adapter(bag, log);
  OleInitNew();
  OleLoad(adapter);
  dirty_ = false;
  return S_OK;
}

STDMETHODIMP OleControl::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
  if (!bag) return E_POINTER;
  kv::persist::OleBag adapter(bag, nullptr);
  OleSave(adapter);
  if (clearDirty) dirty_ = false;
  return S_OK;
}

// --- IProvideClassInfo2, ISpecifyPropertyPages ---

STDMETHODIMP OleControl::GetClassInfo(ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  ITypeLib* lib = nullptr;
  HRESULT hr = ModuleTypeLib(&lib);
  if (FAILED(hr)) return hr;
  hr = lib->GetTypeInfoOfGuid(*info_.clsid, info);
  lib->Release();
  return hr;
}

STDMETHODIMP OleControl::GetGUID(DWORD kind, GUID* guid) {
  if (!guid) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *guid = GUID_NULL;
    return E_INVALIDARG;
  }
  *guid = *info_.events;
  return S_OK;
}

STDMETHODIMP OleControl::GetPages(CAUUID* pages) {
  if (!pages) return E_POINTER;
  pages->cElems = 0;
  pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID) * (info_.pageCount ? info_.pageCount : 1)));
  if (!pages->pElems) return E_OUTOFMEMORY;
  for (ULONG i = 0; i < info_.pageCount; ++i) pages->pElems[i] = *info_.pages[i];
  pages->cElems = info_.pageCount;
  return S_OK;
}

}  // namespace kv::com
