// Font object properties as plain named values (see font_property.h).
#include "activex/persist/font_property.h"

#include <string>

#include "activex/ole_functions.h"

namespace kv::persist {
namespace {

constexpr int32_t kBold = 1, kItalic = 2, kUnderline = 4, kStrike = 8;
constexpr int32_t kMaxHundredths = 100000;  // 1000 points

}  // namespace

void SaveFont(Bag& bag, const char* name, IUnknown* object) {
  IFont* font = nullptr;
  if (!object || FAILED(object->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font)))) return;
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
  std::string key(name);
  bag.WriteText(name, face ? std::wstring(face, SysStringLen(face)) : std::wstring());
  SysFreeString(face);
  bag.WriteNumber((key + "Size").c_str(), static_cast<int32_t>(size.int64 / 100));  // CY: 1/10000 point
  bag.WriteNumber((key + "Style").c_str(), (bold ? kBold : 0) | (italic ? kItalic : 0) |
                                               (underline ? kUnderline : 0) | (strike ? kStrike : 0));
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
