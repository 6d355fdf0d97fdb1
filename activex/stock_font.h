// The stock Font property (dispatch id -512) of a control whose font is also set through plain
// properties (FontName, FontSize, FontBold ...): one font object kept in step with them both ways.
// A change made through the object (control.Font.Bold = True) arrives through IPropertyNotifySink and
// only the changed part is reported to the owner (a font object reads back the realized face and
// size, which must not overwrite the other parts); a change of the plain properties is copied into
// the object. A new font object (Set control.Font = f) reports all its parts.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

namespace kv::com {

struct FontParts {
  std::wstring name;
  float size = 8.25f;  // points
  bool bold = false, italic = false, underline = false, strikethrough = false;
};

class StockFontOwner {
 public:
  // The font object was changed or replaced: `parts` is what it now says (the owner's own values
  // in the parts that did not change).
  virtual void OnStockFontChanged(const FontParts& parts) = 0;
  virtual FontParts CurrentFontParts() const = 0;

 protected:
  ~StockFontOwner() = default;
};

class StockFont final : private IPropertyNotifySink {
 public:
  explicit StockFont(StockFontOwner& owner) : owner_(owner) {}
  ~StockFont() { Detach(); }
  StockFont(const StockFont&) = delete;
  StockFont& operator=(const StockFont&) = delete;

  // The font object, made from `parts` on first use, with a reference for the caller.
  HRESULT Get(const FontParts& parts, IFontDisp** out);
  // Takes a copy of `font` as the control's font and reports its parts (null: E_POINTER).
  HRESULT Put(IFontDisp* font);
  // The plain properties changed: the object follows without reporting back.
  void Follow(const FontParts& parts);

 private:
  // IPropertyNotifySink, owned by this object (the font's connection point holds no life of it)
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP OnChanged(DISPID changed) override;
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

  void Attach(IFont* font);  // takes over the reference
  void Detach();
  // Reports the object's parts: all of them, or only the one of font dispatch id `changed`.
  void Report(DISPID changed = DISPID_UNKNOWN);

  StockFontOwner& owner_;
  IFont* font_ = nullptr;
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
  bool quiet_ = false;  // copying into the object, or reporting: no echo
};

}  // namespace kv::com
