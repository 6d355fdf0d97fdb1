// Font object properties as plain named values (see font_property.h).
#include "activex/persist/font_property.h"

#include <string>

#include "activex/ole_functions.h"

namespace kv::persist {
namespace {

constexpr int32_t kBold = 1, kItalic = 2, kUnderline = 4, kStrike = 8;
constexpr int32_t kMaxHundredths = 100000;  // 1000 points

}  // namespace

bool ReadFontFields(IUnknown* object, FontFields* out) {
  IFont* font = nullptr;
  if (!object || FAILED(object->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font)))) return false;
  BSTR face = nullptr;
  CY size = {};
  BOOL bold = FALSE, italic = FALSE, underline = FALSE, strike = FALSE;
  font->get_Name(&face);
  font->get_Size(&size);
  font->get_Bold(&bold);
  font->get_Italic(&italic);
  font->get_Underline(&underline);
  font->get_Strikethrough(&strike);
  font->Release();
  out->name = face ? std::wstring(face, SysStringLen(face)) : std::wstring();
  SysFreeString(face);
  out->size = size.int64;
  out->bold = bold != FALSE;
  out->italic = italic != FALSE;
  out->underline = underline != FALSE;
  out->strike = strike != FALSE;
  return true;
}

void SaveFont(Bag& bag, const char* name, IUnknown* object) {
  FontFields f;
  if (!ReadFontFields(object, &f)) return;
  std::string key(name);
  bag.WriteText(name, f.name);
  bag.WriteNumber((key + "Size").c_str(), static_cast<int32_t>(f.size / 100));
  bag.WriteNumber((key + "Style").c_str(), (f.bold ? kBold : 0) | (f.italic ? kItalic : 0) |
                                               (f.underline ? kUnderline : 0) | (f.strike ? kStrike : 0));
}

IFontDisp* LoadFont(const Bag& bag, const char* name) {
  std::wstring face;
  if (!bag.ReadText(name, &face) || face.empty() || face.size() >= LF_FACESIZE) return nullptr;
  std::string key(name);
  int32_t hundredths = 825, style = 0;
  bag.ReadNumber((key + "Size").c_str(), &hundredths);
  bag.ReadNumber((key + "Style").c_str(), &style);
  if (hundredths <= 0 || hundredths > kMaxHundredths) hundredths = 825;
  BSTR faceText = SysAllocStringLen(face.data(), static_cast<UINT>(face.size()));
  if (!faceText) return nullptr;
  FONTDESC desc = {};
  desc.cbSizeofstruct = sizeof desc;
  desc.lpstrName = faceText;
  desc.cySize.int64 = static_cast<LONGLONG>(hundredths) * 100;
  desc.sWeight = static_cast<SHORT>(style & kBold ? FW_BOLD : FW_NORMAL);
  desc.sCharset = DEFAULT_CHARSET;
  desc.fItalic = (style & kItalic) != 0;
  desc.fUnderline = (style & kUnderline) != 0;
  desc.fStrikethrough = (style & kStrike) != 0;
  IFontDisp* font = nullptr;
  if (FAILED(kv::ole::CreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&font)))) font = nullptr;
  SysFreeString(faceText);
  return font;
}

}  // namespace kv::persist
