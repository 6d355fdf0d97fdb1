// The OLE embedding every control of ours shares: in-place activation in a container's window
// (IOleObject, IOleInPlaceObject, IOleInPlaceActiveObject), ambient properties (IOleControl),
// drawing into a container's DC (IViewObject2), persistence through the container's stream or
// property bag (IPersistStreamInit, IPersistPropertyBag), IProvideClassInfo2 and
// ISpecifyPropertyPages. A control derives from OleControl beside its dispatch interface, answers
// QueryOle() first in its QueryInterface, and supplies what is its own: its window, its drawing
// without a window, and its persistent properties by name (kv::persist::Bag).
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "activex/connection_point.h"
#include "activex/persist/property_list.h"
#include "activex/sink_list.h"

namespace kv::com {

struct OleControlInfo {
  const CLSID* clsid;
  const IID* events;           // the default source dispinterface
  const CLSID* const* pages;   // property pages, in tab order
  ULONG pageCount;
  SIZEL defaultPixels;         // size before the container sets one
};

// Ambient properties of the container (IDispatch of the client site), read when the site is set
// and when the container reports a change.
struct Ambients {
  bool newControl = false;  // read right after InitNew: a new control takes the container's colours and font
  bool userMode = true;     // false: the container is in design mode (events are muted)
  bool hasBackColor = false, hasForeColor = false;
  OLE_COLOR backColor = 0, foreColor = 0;
  IFontDisp* font = nullptr;  // borrowed for the duration of OleAmbientsChanged only
};

class OleControl : public IOleObject,
                   public IOleInPlaceObject,
                   public IOleInPlaceActiveObject,
                   public IOleControl,
                   public IViewObject2,
                   public IPersistStreamInit,
                   public IPersistPropertyBag,
                   public IProvideClassInfo2,
                   public ISpecifyPropertyPages {
 public:
  explicit OleControl(const OleControlInfo& info);
  OleControl(const OleControl&) = delete;
  OleControl& operator=(const OleControl&) = delete;

  // Answers the interfaces above (AddRef'ed); false for any other interface.
  bool QueryOle(REFIID iid, void** object);

  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* site) override;
  STDMETHODIMP GetClientSite(IOleClientSite** site) override;
  STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP Close(DWORD saveOption) override;
  STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  STDMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent, LPCRECT pos) override;
  STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
  STDMETHODIMP Update() override { return S_OK; }
  STDMETHODIMP IsUpToDate() override { return S_OK; }
  STDMETHODIMP GetUserClassID(CLSID* clsid) override;
  STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return OLE_S_USEREG; }
  STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
  STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
  STDMETHODIMP Advise(IAdviseSink* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
  STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IOleWindow (shared by IOleInPlaceObject and IOleInPlaceActiveObject)
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceObject
  STDMETHODIMP InPlaceDeactivate() override;
  STDMETHODIMP UIDeactivate() override;
  STDMETHODIMP SetObjectRects(LPCRECT pos, LPCRECT clip) override;
  STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

  // IOleInPlaceActiveObject: Tab and keys with Alt go to the container; the rest stays ours.
  STDMETHODIMP TranslateAccelerator(LPMSG msg) override;
  STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
  STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }

  // IOleControl
  STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
  STDMETHODIMP OnMnemonic(LPMSG) override { return S_OK; }
  STDMETHODIMP OnAmbientPropertyChange(DISPID id) override;
  STDMETHODIMP FreezeEvents(BOOL freeze) override;

  // IViewObject2
  STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDevice,
                    HDC dc, LPCRECTL bounds, LPCRECTL metafileBounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                    ULONG_PTR contArg) override;
  STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override { return E_NOTIMPL; }
  STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
  STDMETHODIMP Unfreeze(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
  STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
  STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

  // IPersist, IPersistStreamInit, IPersistPropertyBag
  STDMETHODIMP GetClassID(CLSID* clsid) override;
  STDMETHODIMP IsDirty() override { return dirty_ ? S_OK : S_FALSE; }
  // A damaged or truncated stream loads nothing: STG_E_READFAULT (cut off) or
  // CTL_E_INVALIDFILEFORMAT (not a property set of ours), and the control keeps its values.
  STDMETHODIMP Load(LPSTREAM stream) override;
  STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
  STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
  STDMETHODIMP InitNew() override;
  STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
  STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

  // IProvideClassInfo2
  STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
  STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

  // ISpecifyPropertyPages
  STDMETHODIMP GetPages(CAUUID* pages) override;

 protected:
  virtual ~OleControl();

  // --- what the control supplies ---
  // Creates the control window in `parent` at `pos` (called once, on the first activation).
  virtual HWND OleCreateWindow(HWND parent, const RECT& pos) = 0;
  virtual HWND OleWindow() = 0;
  // Draws the control into `dc` when it has no window (the window prints itself through WM_PRINT,
  // which DefWindowProc turns into WM_PRINTCLIENT for the client area, otherwise). The default
  // fills the box with the window colour.
  virtual void OleDrawWithoutWindow(HDC dc, const RECT& box);
  virtual void OleInitNew() = 0;
  virtual void OleLoad(const kv::persist::Bag& bag) = 0;
  virtual void OleSave(kv::persist::Bag& bag) = 0;
  virtual void OleAmbientsChanged(const Ambients&) {}

  // --- what the control calls ---
  // A persistent property changed: the container learns it is dirty and redraws the view.
  void OleSetDirty();
  // The control window got the focus (a click or Tab): the control becomes UI-active.
  void OleFocusGained();
  // The control's events: muted while the container is in design mode or has frozen events.
  void OleAttachEvents(ConnectionPoints* events) { events_ = events; }
  bool UserMode() const { return userMode_; }
  bool EventsFrozen() const { return freezeCount_ > 0; }
  // Releases the container's objects; call at the start of the control's destructor.
  void OleShutdown();

 private:
  HRESULT Activate(bool ui);
  HRESULT ShowPropertyPages(HWND owner);
  void ReadAmbients(bool newControl = false);
  void UpdateEventGate();
  IOleControlSite* ControlSite();

  const OleControlInfo& info_;
  IOleClientSite* site_ = nullptr;
  IOleInPlaceSite* inPlaceSite_ = nullptr;
  IOleInPlaceFrame* frame_ = nullptr;
  IOleInPlaceUIWindow* document_ = nullptr;
  SinkList<IAdviseSink> oleSinks_;   // IOleObject::Advise
  DWORD nextAdviseCookie_ = 1;
  ConnectionPoints* events_ = nullptr;
  IAdviseSink* viewSink_ = nullptr;  // IViewObject::SetAdvise
  DWORD viewAspects_ = 0, viewFlags_ = 0;
  SIZEL extent_;                     // HIMETRIC
  bool uiActive_ = false;
  bool userMode_ = true;
  bool dirty_ = false;
  LONG freezeCount_ = 0;
};

}  // namespace kv::com
