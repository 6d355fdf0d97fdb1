// COM class Dialog: the message dialog, help box and the icon, file and colour dialogs.
#include "dialogs/com/automation_object.h"
#include "dialogs/com/com_support.h"
#include "dialogs/win/common_dialogs.h"
#include "dialogs/win/help_box.h"
#include "dialogs/win/message_dialog.h"
#include "korvndlg_h.h"

namespace kvdlg::com {

namespace {

HWND Owner(LONG value) {
  HWND window = WindowFromLong(value);
  return value != 0 && IsWindow(window) ? window : nullptr;
}

class Dialog final : public AutomationObject<_Dialog> {
 public:
  Dialog() : AutomationObject(IID__Dialog) {}

  STDMETHODIMP IconDlg(LONG handle, BSTR iconFile, LONG iconIndex, BSTR* result) override {
    if (result == nullptr) return E_POINTER;
    *result = MakeBstr(PickIcon(Owner(handle), Ansi(iconFile), iconIndex));
    return S_OK;
  }

  STDMETHODIMP FileDlg(LONG handle, BSTR title, BSTR file, SHORT keyword, BSTR filter, VARIANT* retExt,
                       BSTR* result) override {
    if (result == nullptr) return E_POINTER;
    FileRequest request;
    request.owner = Owner(handle);
    request.title = Ansi(title);
    request.file = Ansi(file);
    request.save = keyword != 0;
    request.filter = Ansi(filter);
    std::int32_t chosen = ReadVariantLong(retExt);
    std::string path = ChooseFile(request, &chosen);
    if (request.save) WriteVariantLong(retExt, chosen);
    *result = MakeBstr(path);
    return S_OK;
  }

  STDMETHODIMP ColorDlg(LONG handle, VARIANT* currColor, VARIANT_BOOL* result) override {
    if (result == nullptr) return E_POINTER;
    COLORREF colour = static_cast<COLORREF>(ReadVariantLong(currColor));
    bool chosen = ChooseColour(Owner(handle), &colour);
    if (chosen) WriteVariantLong(currColor, static_cast<LONG>(colour));
    *result = chosen ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }

  STDMETHODIMP MsgDlg(BSTR headline, BSTR message, VARIANT_BOOL fadeOut, LONG winHwnd, SHORT button,
                      LONG* result) override {
    if (result == nullptr) return E_POINTER;
    MessageRequest request;
    request.headline = Ansi(headline);
    request.message = Ansi(message);
    request.fadeOut = fadeOut != VARIANT_FALSE;
    request.owner = Owner(winHwnd);
    request.button = button;
    *result = ShowMessageDialog(request);
    return S_OK;
  }

  STDMETHODIMP HlpBox(BSTR message, VARIANT* dlgFadeOut, LONG winHwnd, BSTR checkText, BSTR headlineText,
                      SHORT* result) override {
    if (result == nullptr) return E_POINTER;
    HelpRequest request;
    request.message = Ansi(message);
    request.fadeOut = ReadVariantLong(dlgFadeOut) != 0;
    request.owner = Owner(winHwnd);
    request.checkText = Ansi(checkText);
    request.headlineText = Ansi(headlineText);
    *result = static_cast<SHORT>(ShowHelpBox(request));
    return S_OK;
  }
};

}  // namespace

HRESULT CreateDialogObject(REFIID iid, void** object) {
  return kv::com::CreateAndQuery(new (std::nothrow) Dialog, iid, object);
}

}  // namespace kvdlg::com
