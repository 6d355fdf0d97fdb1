// COM class GSubclass: hands chosen messages of a window to objects implementing ISubclass
// (or any automation object with MsgResponse and WindowProc members).
#include <map>

#include "activex/variant.h"
#include "dialogs/com/automation_object.h"
#include "dialogs/com/com_support.h"
#include "dialogs/win/subclass_service.h"
#include "korvndlg_h.h"

namespace kvdlg::com {

namespace {

// One adapter per client object identity, so the same object attached twice is recognised.
// The client is kept without a reference, as the window's bookkeeping keeps it: a client that detaches
// itself when it ends can end while attached. A client must detach (or its window be destroyed)
// before it is gone.
class ClientAdapter final : public SubclassClient {
 public:
  explicit ClientAdapter(IDispatch* client) : client_(client) {
    if (SUCCEEDED(client_->QueryInterface(IID_ISubclass, reinterpret_cast<void**>(&typed_)))) {
      typed_->Release();  // only the typed address is kept
    } else {
      typed_ = nullptr;
    }
  }
  ClientAdapter(const ClientAdapter&) = delete;
  ClientAdapter& operator=(const ClientAdapter&) = delete;

  int attachments = 0;
  bool Serves(const IDispatch* client) const { return client_ == client; }

  void WindowGone(HWND, UINT) override;

  std::int32_t MsgResponse(UINT) override {
    LONG response = 0;
    if (typed_ != nullptr) {
      typed_->get_MsgResponse(&response);
      return response;
    }
    VARIANT out;
    VariantInit(&out);
    DISPPARAMS none{};
    if (SUCCEEDED(InvokeByName(L"MsgResponse", DISPATCH_PROPERTYGET, &none, &out))) response = kv::com::ReadLong(out);
    VariantClear(&out);
    return response;
  }

  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    LONG result = 0;
    LONG hwnd = LongFromWindow(window);
    if (typed_ != nullptr) {
      typed_->WindowProc(hwnd, static_cast<LONG>(message), static_cast<LONG>(wParam), static_cast<LONG>(lParam),
                         &result);
      return result;
    }
    VARIANT args[4] = {kv::com::VariantI4(static_cast<LONG>(lParam)), kv::com::VariantI4(static_cast<LONG>(wParam)),
                       kv::com::VariantI4(static_cast<LONG>(message)), kv::com::VariantI4(hwnd)};
    DISPPARAMS params{args, nullptr, 4, 0};
    VARIANT out;
    VariantInit(&out);
    if (SUCCEEDED(InvokeByName(L"WindowProc", DISPATCH_METHOD, &params, &out))) result = kv::com::ReadLong(out);
    VariantClear(&out);
    return result;
  }

 private:
  HRESULT InvokeByName(const wchar_t* name, WORD flags, DISPPARAMS* params, VARIANT* out) {
    DISPID id = 0;
    LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = client_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    return client_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, params, out, nullptr, nullptr);
  }

  IDispatch* client_;  // not owned
  ISubclass* typed_ = nullptr;  // not owned
};

std::map<IUnknown*, ClientAdapter*>& Adapters() {
  static std::map<IUnknown*, ClientAdapter*> adapters;
  return adapters;
}

// Drops the adapter (and its reference on the client) once nothing is attached any more.
void ForgetIfUnused(ClientAdapter* adapter) {
  if (adapter->attachments > 0) return;
  for (auto it = Adapters().begin(); it != Adapters().end(); ++it) {
    if (it->second == adapter) {
      Adapters().erase(it);
      break;
    }
  }
  delete adapter;
}

void ClientAdapter::WindowGone(HWND, UINT) {
  --attachments;
  ForgetIfUnused(this);
}

IUnknown* Identity(IDispatch* client) {
  IUnknown* identity = nullptr;
  if (FAILED(client->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)))) return client;
  identity->Release();  // only the address is kept
  return identity;
}

// The adapter of a client that detaches: found by the pointer it attached with first, so that a
// client detaching from its own destructor is not asked for its identity (its count is already 0).
std::map<IUnknown*, ClientAdapter*>::iterator FindAdapter(IDispatch* client) {
  for (auto it = Adapters().begin(); it != Adapters().end(); ++it)
    if (it->second->Serves(client)) return it;
  return Adapters().find(Identity(client));
}

class GSubclass final : public AutomationObject<_GSubclass> {
 public:
  GSubclass() : AutomationObject(IID__GSubclass) {}

  STDMETHODIMP AttachMessage(IDispatch* iwp, LONG hwnd, LONG iMsg) override {
    if (iwp == nullptr) return E_POINTER;
    IUnknown* identity = Identity(iwp);
    ClientAdapter*& adapter = Adapters()[identity];
    if (adapter == nullptr) adapter = new ClientAdapter(iwp);
    ServiceError error = kvdlg::AttachMessage(adapter, WindowFromLong(hwnd), static_cast<UINT>(iMsg));
    if (error == ServiceError::None) {
      ++adapter->attachments;
    } else {
      ForgetIfUnused(adapter);
    }
    return RaiseServiceError(error);
  }

  STDMETHODIMP DetachMessage(IDispatch* iwp, LONG hwnd, LONG iMsg) override {
    if (iwp == nullptr) return E_POINTER;
    auto found = FindAdapter(iwp);
    if (found == Adapters().end()) return S_OK;
    ClientAdapter* adapter = found->second;
    if (kvdlg::DetachMessage(adapter, WindowFromLong(hwnd), static_cast<UINT>(iMsg))) --adapter->attachments;
    ForgetIfUnused(adapter);
    return S_OK;
  }

  STDMETHODIMP get_CurrentMessage(LONG* message) override {
    if (message == nullptr) return E_POINTER;
    *message = static_cast<LONG>(kvdlg::CurrentMessage());
    return S_OK;
  }

  STDMETHODIMP CallOldWindowProc(LONG hwnd, LONG iMsg, LONG wParam, LONG lParam, LONG* result) override {
    if (result == nullptr) return E_POINTER;
    *result = static_cast<LONG>(kvdlg::CallOldWindowProc(WindowFromLong(hwnd), static_cast<UINT>(iMsg),
                                                         static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)));
    return S_OK;
  }
};

}  // namespace

HRESULT CreateGSubclass(REFIID iid, void** object) {
  return kv::com::CreateAndQuery(new (std::nothrow) GSubclass, iid, object);
}

}  // namespace kvdlg::com
