// IPropertyPage over a page table: the page window with one control per field, loading from and
// applying to the control's IDispatch (see property_page.h).
#include "activex/property_page/property_page.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "activex/about_box.h"
#include "activex/class_factory.h"
#include "activex/property_page/ansi_text.h"
#include "activex/com_module.h"
#include "activex/property_page/dispatch_property.h"
#include "activex/property_page/field_text.h"
#include "activex/property_page/page_part.h"
#include "activex/property_page/sheet_hook.h"

namespace kv::pages {
namespace {

// Layout in pixels: fields in one column, or two when there are many.
constexpr int kMargin = 10;
constexpr int kRowPitch = 26;
constexpr int kLabelWidth = 130;
constexpr int kControlWidth = 110;
constexpr int kControlHeight = 21;
constexpr int kColumnWidth = kLabelWidth + kControlWidth + 16;
constexpr size_t kMaxRowsInOneColumn = 8;
constexpr int kFirstPartId = 500;

size_t ColumnCount(size_t fields) { return fields > kMaxRowsInOneColumn ? 2 : 1; }
size_t RowCount(size_t fields) { return (fields + ColumnCount(fields) - 1) / ColumnCount(fields); }

// Left edge of the page part: right of the field columns.
int PartLeft(const PageDefinition& page) {
  return page.count ? kMargin + int(ColumnCount(page.count)) * kColumnWidth : kMargin;
}

SIZE PageSize(const PageDefinition& page, const PagePart* part) {
  SIZE size = {LONG(2 * kMargin + ColumnCount(page.count) * kColumnWidth - 16),
               LONG(2 * kMargin + RowCount(page.count) * kRowPitch)};
  if (part) {
    SIZE room = part->Size();
    size.cx = PartLeft(page) + room.cx + kMargin;
    if (2 * kMargin + room.cy > size.cy) size.cy = 2 * kMargin + room.cy;
  }
  return size;
}

BSTR WideBstr(const std::string& text) {
  std::wstring wide = Wide(text);
  return SysAllocStringLen(wide.data(), UINT(wide.size()));
}

std::string WindowText(HWND control) {
  int length = GetWindowTextLengthA(control);
  std::string text(size_t(length > 0 ? length : 0) + 1, '\0');
  int got = GetWindowTextA(control, &text[0], int(text.size()));
  text.resize(size_t(got > 0 ? got : 0));
  return text;
}

void Substitute(std::string& text, const char* slot, const std::string& value) {
  size_t at = text.find(slot);
  if (at != std::string::npos) text.replace(at, std::strlen(slot), value);
}

// The label without its mnemonic marker and colon, for messages.
std::string PlainLabel(std::string label) {
  std::string out;
  for (char c : label)
    if (c != '&') out += c;
  while (!out.empty() && (out.back() == ':' || out.back() == ' ')) out.pop_back();
  return out;
}

class PropertyPage final : public IPropertyPage {
 public:
  explicit PropertyPage(const PageDefinition& page)
      : page_(page), dirty_(page.count, false), part_(page.part ? page.part() : nullptr) {}

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IPropertyPage) {
      *object = static_cast<IPropertyPage*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ULONG(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return ULONG(left);
  }

  // IPropertyPage
  STDMETHODIMP SetPageSite(IPropertyPageSite* site) override {
    if (site) site->AddRef();
    if (site_) site_->Release();
    site_ = site;
    return S_OK;
  }
  STDMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL) override {
    if (!rect) return E_POINTER;
    if (window_) return E_UNEXPECTED;
    if (!RegisterWindowClass()) return E_FAIL;
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, kPageWindowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                              rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, parent,
                              nullptr, com::Module(), this);
    if (!window_) return E_FAIL;
    CreateFieldControls();
    LoadFields();
    hook_.Attach(parent, window_, [](void* page) { return static_cast<PropertyPage*>(page)->Apply() != E_INVALIDARG; }, this);
    return S_OK;
  }
  STDMETHODIMP Deactivate() override {
    hook_.Detach();
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    return S_OK;
  }
  STDMETHODIMP GetPageInfo(PROPPAGEINFO* info) override {
    if (!info) return E_POINTER;
    std::wstring title = Wide(com::ModuleText(page_.titleId));
    auto* wide = static_cast<LPOLESTR>(CoTaskMemAlloc(sizeof(wchar_t) * (title.size() + 1)));
    if (!wide) return E_OUTOFMEMORY;
    title.copy(wide, title.size());
    wide[title.size()] = 0;
    info->cb = sizeof(PROPPAGEINFO);
    info->pszTitle = wide;
    info->size = PageSize(page_, part_.get());
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
  }
  STDMETHODIMP SetObjects(ULONG count, IUnknown** objects) override {
    ReleaseObjects();
    if (count && !objects) return E_POINTER;
    for (ULONG i = 0; i < count; ++i) {
      IDispatch* dispatch = nullptr;
      if (objects[i] && SUCCEEDED(objects[i]->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
        objects_.push_back(dispatch);
    }
    if (window_) LoadFields();
    return count && objects_.empty() ? E_NOINTERFACE : S_OK;
  }
  STDMETHODIMP Show(UINT command) override {
    if (!window_) return E_UNEXPECTED;
    ShowWindow(window_, int(command));
    return S_OK;
  }
  STDMETHODIMP Move(LPCRECT rect) override {
    if (!rect) return E_POINTER;
    if (!window_) return E_UNEXPECTED;
    MoveWindow(window_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
  }
  STDMETHODIMP IsPageDirty() override {
    for (bool d : dirty_)
      if (d) return S_OK;
    return part_ && part_->Dirty() ? S_OK : S_FALSE;
  }
  STDMETHODIMP Apply() override;
  STDMETHODIMP Help(LPCOLESTR) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }

 private:
  ~PropertyPage() {
    Deactivate();
    ReleaseObjects();
    SetPageSite(nullptr);
  }

  static bool RegisterWindowClass() {
    WNDCLASSA existing;
    if (GetClassInfoA(com::Module(), kPageWindowClass, &existing)) return true;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = com::Module();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPageWindowClass;
    return RegisterClassA(&wc) != 0;
  }

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* page = reinterpret_cast<PropertyPage*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COMMAND && page) {
      page->Command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    }
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return DefWindowProcA(window, message, wParam, lParam);
  }

  HWND Control(size_t field) const { return GetDlgItem(window_, kFirstFieldId + int(field)); }

  void CreateFieldControls() {
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    size_t rows = RowCount(page_.count);
    for (size_t i = 0; i < page_.count; ++i) {
      const Field& field = page_.fields[i];
      int x = kMargin + int(i / rows) * kColumnWidth;
      int y = kMargin + int(i % rows) * kRowPitch;
      std::string label = com::ModuleText(field.labelId);
      auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstFieldId + int(i)));
      HWND control = nullptr;
      if (field.kind == FieldKind::Check) {
        control = CreateWindowExA(0, "BUTTON", label.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, x,
                                  y, kLabelWidth + kControlWidth, kControlHeight, window_, id, com::Module(), nullptr);
      } else {
        HWND text = CreateWindowExA(0, "STATIC", label.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT, x, y + 3,
                                    kLabelWidth - 4, kControlHeight - 3, window_, nullptr, com::Module(), nullptr);
        SendMessageA(text, WM_SETFONT, WPARAM(font), 0);
        if (field.kind == FieldKind::Choice) {
          control = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                    x + kLabelWidth, y, kControlWidth, 160, window_, id, com::Module(), nullptr);
          for (int c = 0; c < field.choiceCount; ++c)
            SendMessageA(control, CB_ADDSTRING, 0, LPARAM(com::ModuleText(field.choicesId + c).c_str()));
        } else {
          control = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                    x + kLabelWidth, y, kControlWidth, kControlHeight, window_, id, com::Module(),
                                    nullptr);
        }
      }
      if (control) SendMessageA(control, WM_SETFONT, WPARAM(font), 0);
    }
    if (part_) part_->Create(window_, PartLeft(page_), kMargin, kFirstPartId);
  }

  // Every field from the first object; a property it cannot read leaves the field disabled.
  void LoadFields() {
    loading_ = true;
    for (size_t i = 0; i < page_.count; ++i) {
      HWND control = Control(i);
      VARIANT value;
      VariantInit(&value);
      bool ok = !objects_.empty() && SUCCEEDED(GetProperty(objects_[0], page_.fields[i].property, &value)) &&
                ShowValue(page_.fields[i], control, value);
      VariantClear(&value);
      EnableWindow(control, ok);
      dirty_[i] = false;
    }
    if (part_ && !objects_.empty()) part_->Load(objects_[0]);
    loading_ = false;
  }

  static bool ShowValue(const Field& field, HWND control, VARIANT& value) {
    VARTYPE type = field.kind == FieldKind::Text ? VT_BSTR : field.kind == FieldKind::Check ? VT_BOOL : VT_I4;
    if (FAILED(VariantChangeType(&value, &value, 0, type))) return false;
    switch (field.kind) {
      case FieldKind::Number:
        SetWindowTextA(control, std::to_string(value.lVal).c_str());
        break;
      case FieldKind::Colour:
        SetWindowTextA(control, FormatColour(value.lVal).c_str());
        break;
      case FieldKind::Text:
        SetWindowTextA(control, Narrow(value.bstrVal, SysStringLen(value.bstrVal)).c_str());
        break;
      case FieldKind::Check:
        SendMessageA(control, BM_SETCHECK, value.boolVal ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
      case FieldKind::Choice:
        SendMessageA(control, CB_SETCURSEL, value.lVal >= 0 && value.lVal < field.choiceCount ? WPARAM(value.lVal) : WPARAM(-1), 0);
        break;
    }
    return true;
  }

  // The field's value as the property takes it; false when the text is not a valid value.
  bool ReadValue(size_t index, VARIANT* value) const {
    const Field& field = page_.fields[index];
    HWND control = Control(index);
    VariantInit(value);
    switch (field.kind) {
      case FieldKind::Number: {
        auto number = ParseNumber(WindowText(control), field.minimum, field.maximum);
        if (!number) return false;
        value->vt = VT_I4;
        value->lVal = *number;
        return true;
      }
      case FieldKind::Colour: {
        auto colour = ParseColour(WindowText(control));
        if (!colour) return false;
        value->vt = VT_I4;
        value->lVal = *colour;
        return true;
      }
      case FieldKind::Text:
        value->vt = VT_BSTR;
        value->bstrVal = WideBstr(WindowText(control));
        return value->bstrVal != nullptr;
      case FieldKind::Check:
        value->vt = VT_BOOL;
        value->boolVal = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? VARIANT_TRUE : VARIANT_FALSE;
        return true;
      case FieldKind::Choice: {
        LRESULT chosen = SendMessageA(control, CB_GETCURSEL, 0, 0);
        if (chosen < 0) return false;
        value->vt = VT_I4;
        value->lVal = LONG(chosen);
        return true;
      }
    }
    return false;
  }

  void Command(int id, int code) {
    if (loading_) return;
    bool changed = false;
    if (id >= kFirstPartId) {
      changed = part_ && part_->Command(id, code);
    } else if (id >= kFirstFieldId && size_t(id - kFirstFieldId) < page_.count &&
               (code == EN_CHANGE || code == BN_CLICKED || code == CBN_SELCHANGE)) {
      dirty_[size_t(id - kFirstFieldId)] = true;
      changed = true;
    }
    if (!changed) return;
    if (site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY);
    hook_.Changed();
  }

  void ReportInvalid(size_t index) const {
    std::string label = PlainLabel(com::ModuleText(page_.fields[index].labelId));
    const Field& field = page_.fields[index];
    std::string text = com::ModuleText(kInvalidValueTextId);
    Substitute(text, "%s", label);
    if (field.kind == FieldKind::Number) {
      std::string range = com::ModuleText(kNumberRangeTextId);
      Substitute(range, "%1", std::to_string(field.minimum));
      Substitute(range, "%2", std::to_string(field.maximum));
      text += "\n" + range;
    }
    MessageBoxA(window_ ? GetParent(window_) : nullptr, text.c_str(), com::ModuleText(page_.titleId).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    if (window_) SetFocus(Control(index));
  }

  void ReleaseObjects() {
    for (IDispatch* object : objects_) object->Release();
    objects_.clear();
  }

  LONG refs_ = 1;
  com::ModuleLock lock_;
  const PageDefinition& page_;
  IPropertyPageSite* site_ = nullptr;
  std::vector<IDispatch*> objects_;
  HWND window_ = nullptr;
  std::vector<bool> dirty_;
  bool loading_ = false;
  std::unique_ptr<PagePart> part_;
  SheetHook hook_;
};

// Changed fields only, and none before all of them are valid: a refused text leaves every
// property as it was and the page dirty. Afterwards the fields show what the control took.
STDMETHODIMP PropertyPage::Apply() {
  if (!window_) return S_OK;
  std::vector<VARIANT> values(page_.count);
  for (size_t i = 0; i < page_.count; ++i) VariantInit(&values[i]);
  auto clear = [&values] {
    for (VARIANT& v : values) VariantClear(&v);
  };
  for (size_t i = 0; i < page_.count; ++i) {
    if (dirty_[i] && !ReadValue(i, &values[i])) {
      clear();
      ReportInvalid(i);
      return E_INVALIDARG;
    }
  }
  HRESULT result = S_OK;
  for (size_t i = 0; i < page_.count; ++i) {
    if (!dirty_[i]) continue;
    for (IDispatch* object : objects_) {
      HRESULT hr = PutProperty(object, page_.fields[i].property, values[i]);
      if (FAILED(hr) && SUCCEEDED(result)) result = hr;
    }
  }
  clear();
  if (part_ && part_->Dirty()) {
    for (IDispatch* object : objects_) {
      HRESULT hr = part_->Apply(object);
      if (FAILED(hr) && SUCCEEDED(result)) result = hr;
    }
  }
  LoadFields();
  return result;
}

}  // namespace

HRESULT CreatePropertyPage(const PageDefinition& page, REFIID iid, void** object) {
  return com::CreateAndQuery(new (std::nothrow) PropertyPage(page), iid, object);
}

}  // namespace kv::pages
