// Win32 side of the subclassing service: window properties and the library's window procedure.
#include "dialogs/win/subclass_service.h"

#include <string>
#include <vector>

#include "dialogs/core/subclass_book.h"

namespace kvdlg {

namespace {

UINT g_currentMessage = 0;

LRESULT CALLBACK LibraryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HWND ToWindow(WindowId id) { return reinterpret_cast<HWND>(id); }
WindowId ToId(HWND window) { return reinterpret_cast<WindowId>(window); }

class Win32WindowOps : public WindowOps {
 public:
  bool Exists(WindowId w) override { return IsWindow(ToWindow(w)) != FALSE; }
  bool OwnedByThisProcess(WindowId w) override {
    DWORD process = 0;
    GetWindowThreadProcessId(ToWindow(w), &process);
    return process == GetCurrentProcessId();
  }
  PropValue InstallProcedure(WindowId w) override {
    return SetWindowLongPtrA(ToWindow(w), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LibraryWindowProc));
  }
  void RestoreProcedure(WindowId w, PropValue previous) override {
    if (previous != 0) SetWindowLongPtrA(ToWindow(w), GWLP_WNDPROC, previous);
  }
  PropValue ReadProp(WindowId w, const std::string& name) override {
    return reinterpret_cast<PropValue>(GetPropA(ToWindow(w), name.c_str()));
  }
  void WriteProp(WindowId w, const std::string& name, PropValue value) override {
    SetPropA(ToWindow(w), name.c_str(), reinterpret_cast<HANDLE>(value));
  }
  void DropProp(WindowId w, const std::string& name) override { RemovePropA(ToWindow(w), name.c_str()); }
};

Win32WindowOps g_ops;
SubclassBook g_book(g_ops);

class MessageDispatch : public DispatchOps {
 public:
  MessageDispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
      : window_(window), message_(message), wParam_(wParam), lParam_(lParam) {}
  std::int32_t Response(PropValue client, std::uint32_t message) override {
    g_currentMessage = message;
    return reinterpret_cast<SubclassClient*>(client)->MsgResponse(message);
  }
  std::intptr_t CallClient(PropValue client) override {
    g_currentMessage = message_;
    return reinterpret_cast<SubclassClient*>(client)->WindowProc(window_, message_, wParam_, lParam_);
  }
  std::intptr_t CallPrevious(PropValue previous) override {
    if (previous == 0) return DefWindowProcA(window_, message_, wParam_, lParam_);
    return CallWindowProcA(reinterpret_cast<WNDPROC>(previous), window_, message_, wParam_, lParam_);
  }

 private:
  HWND window_;
  UINT message_;
  WPARAM wParam_;
  LPARAM lParam_;
};

// Messages with clients on a window, read from the "<hwnd>#<msg>C" property names.
BOOL CALLBACK CollectMessage(HWND window, LPSTR name, HANDLE, ULONG_PTR found) {
  if (reinterpret_cast<ULONG_PTR>(name) <= 0xFFFF) return TRUE;  // an atom, not one of ours
  std::string text(name);
  std::string prefix = std::to_string(ToId(window)) + "#";
  if (text.size() > prefix.size() + 1 && text.compare(0, prefix.size(), prefix) == 0 && text.back() == 'C') {
    std::string number = text.substr(prefix.size(), text.size() - prefix.size() - 1);
    if (number.find_first_not_of("0123456789") == std::string::npos) {
      reinterpret_cast<std::vector<UINT>*>(found)->push_back(static_cast<UINT>(std::stoul(number)));
    }
  }
  return TRUE;
}

// A window destroyed with clients still attached: detach them all so nothing outlives the window.
void ForgetDestroyedWindow(HWND window) {
  std::vector<UINT> messages;
  EnumPropsExA(window, &CollectMessage, reinterpret_cast<LPARAM>(&messages));
  for (UINT message : messages) {
    for (PropValue client : g_book.Clients(ToId(window), message)) {
      if (g_book.Detach(ToId(window), message, client)) {
        reinterpret_cast<SubclassClient*>(client)->WindowGone(window, message);
      }
    }
  }
}

LRESULT CALLBACK LibraryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageDispatch dispatch(window, message, wParam, lParam);
  UINT outer = g_currentMessage;
  LRESULT result = g_book.Dispatch(ToId(window), message, dispatch);
  g_currentMessage = outer;
  if (message == WM_NCDESTROY) ForgetDestroyedWindow(window);
  return result;
}

}  // namespace

ServiceError AttachMessage(SubclassClient* client, HWND window, UINT message) {
  return g_book.Attach(ToId(window), message, reinterpret_cast<PropValue>(client));
}

bool DetachMessage(SubclassClient* client, HWND window, UINT message) {
  if (!IsWindow(window)) return false;
  return g_book.Detach(ToId(window), message, reinterpret_cast<PropValue>(client));
}

UINT CurrentMessage() { return g_currentMessage; }

LRESULT CallOldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PropValue previous = g_book.PreviousProcedure(ToId(window));
  if (previous == 0) return CallWindowProcA(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)),
                                            window, message, wParam, lParam);
  return CallWindowProcA(reinterpret_cast<WNDPROC>(previous), window, message, wParam, lParam);
}

}  // namespace kvdlg
