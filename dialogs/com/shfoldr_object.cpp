// COM class ShFoldr: the folder browser and the special-folder lookup.
#include "dialogs/com/automation_object.h"
#include "dialogs/com/com_support.h"
#include "dialogs/win/common_dialogs.h"
#include "korvndlg_h.h"

namespace kvdlg::com {

namespace {

class ShFoldr final : public AutomationObject<_ShFoldr> {
 public:
  ShFoldr() : AutomationObject(IID__ShFoldr) {}

  STDMETHODIMP SHFolderDlg(LONG lHWnd, BSTR title, BSTR titleText, BSTR defaultPath, SHELLFOLDERS rootFolder,
                           VARIANT_BOOL centerOverForm, VARIANT_BOOL includeFiles, VARIANT_BOOL editBox,
                           BSTR fileFldrSpec, VARIANT* result) override {
    if (result == nullptr) return E_POINTER;
    FolderRequest request;
    HWND owner = WindowFromLong(lHWnd);
    request.owner = lHWnd != 0 && IsWindow(owner) ? owner : nullptr;
    request.title = Ansi(title);
    request.titleText = Ansi(titleText);
    request.defaultPath = Ansi(defaultPath);
    request.rootFolder = static_cast<int>(rootFolder);
    request.centerOverForm = centerOverForm != VARIANT_FALSE;
    request.includeFiles = includeFiles != VARIANT_FALSE;
    request.editBox = editBox != VARIANT_FALSE;
    request.fileFolderSpec = Ansi(fileFldrSpec);
    VariantInit(result);
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = MakeBstr(BrowseForFolder(request));
    return S_OK;
  }

  STDMETHODIMP GetSpecialFolder(VARIANT* lHWnd, VARIANT* rootFolder, BSTR* result) override {
    if (result == nullptr) return E_POINTER;
    HWND owner = WindowFromLong(ReadVariantLong(lHWnd));
    if (!IsWindow(owner)) owner = nullptr;
    *result = MakeBstr(SpecialFolderPath(owner, static_cast<int>(ReadVariantLong(rootFolder, -1))));
    return S_OK;
  }
};

}  // namespace

HRESULT CreateShFoldr(REFIID iid, void** object) {
  return kv::com::CreateAndQuery(new (std::nothrow) ShFoldr, iid, object);
}

}  // namespace kvdlg::com
