// The stock Font object of a control, kept in step with its plain font properties.
#include "activex/stock_font.h"

#include <cmath>

#include "activex/ole_functions.h"

namespace kv::com {

namespace {
CY ToCy(float points) {
  CY cy;
  cy.int64 = static_cast<LONGLONG>(std::lround(double(points) * 10000.0));
  return cy;
}
}  // namespace

HRESULT StockFont::Get(const FontParts& parts, IFontDisp** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!font_) {
    FONTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.lpstrName = const_cast<LPOLESTR>(parts.name.c_str());
    desc.cySize = ToCy(parts.size);
    desc.sWeight = static_cast<SHORT>(parts.bold ? FW_BOLD : FW_NORMAL);
    desc.sCharset = DEFAULT_CHARSET;
    desc.fItalic = parts.italic;
    desc.fUnderline = parts.underline;
    desc.fStrikethrough = parts.strikethrough;
    IFont* font = nullptr;
    HRESULT hr = kv::ole::CreateFontIndirect(&desc, IID_IFont, reinterpret_cast<void**>(&font));
    if (FAILED(hr) || !font) return FAILED(hr) ? hr : E_FAIL;
    Attach(font);
  }
  return font_->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(out));
}

HRESULT StockFont::Put(IFontDisp* font) {
  if (!font) return E_POINTER;
  IFont* given = nullptr;
  HRESULT hr = font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&given));
  if (FAILED(hr)) return hr;
  IFont* copy = nullptr;
  hr = given->Clone(&copy);
  given->Release();
  if (FAILED(hr) || !copy) return FAILED(hr) ? hr : E_FAIL;
  Detach();
  Attach(copy);
  Report();
  return S_OK;
}

void StockFont::Follow(const FontParts& parts) {
  if (!font_ || quiet_) return;
  quiet_ = true;
  BSTR name = SysAllocStringLen(parts.name.data(), static_cast<UINT>(parts.name.size()));
  if (name) font_->put_Name(name);
  SysFreeString(name);
  font_->put_Size(ToCy(parts.size));
  font_->put_Bold(parts.bold);
  font_->put_Italic(parts.italic);
  font_->put_Underline(parts.underline);
  font_->put_Strikethrough(parts.strikethrough);
  quiet_ = false;
}

STDMETHODIMP StockFont::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyNotifySink)) {
    *object = static_cast<IPropertyNotifySink*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP StockFont::OnChanged(DISPID changed) {
  if (!quiet_) Report(changed);
  return S_OK;
}

void StockFont::Attach(IFont* font) {
  font_ = font;
  IConnectionPointContainer* container = nullptr;
  if (SUCCEEDED(font_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
    if (SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, &point_)) &&
        FAILED(point_->Advise(static_cast<IPropertyNotifySink*>(this), &cookie_))) {
      point_->Release();
      point_ = nullptr;
    }
    container->Release();
  }
}

void StockFont::Detach() {
  if (point_) {
    point_->Unadvise(cookie_);
    point_->Release();
    point_ = nullptr;
  }
  if (font_) font_->Release();
  font_ = nullptr;
}

void StockFont::Report(DISPID changed) {
  if (!font_) return;
  const bool all = changed == DISPID_UNKNOWN;
  FontParts parts = owner_.CurrentFontParts();
  BSTR name = nullptr;
  if ((all || changed == DISPID_FONT_NAME) && SUCCEEDED(font_->get_Name(&name)) && name)
    parts.name.assign(name, SysStringLen(name));
  SysFreeString(name);
  CY size = {};
  if ((all || changed == DISPID_FONT_SIZE) && SUCCEEDED(font_->get_Size(&size)))
    parts.size = static_cast<float>(double(size.int64) / 10000.0);
  auto flag = [&](DISPID id, HRESULT (STDMETHODCALLTYPE IFont::*get)(BOOL*), bool& part) {
    BOOL value = FALSE;
    if ((all || changed == id) && SUCCEEDED((font_->*get)(&value))) part = value != FALSE;
  };
  flag(DISPID_FONT_BOLD, &IFont::get_Bold, parts.bold);
  flag(DISPID_FONT_ITALIC, &IFont::get_Italic, parts.italic);
  flag(DISPID_FONT_UNDER, &IFont::get_Underline, parts.underline);
  flag(DISPID_FONT_STRIKE, &IFont::get_Strikethrough, parts.strikethrough);
  quiet_ = true;
  owner_.OnStockFontChanged(parts);
  quiet_ = false;
}

}  // namespace kv::com
