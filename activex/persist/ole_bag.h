// A container's IPropertyBag seen as kv::persist::Bag: numbers as VT_I4, texts as VT_BSTR.
// Values the container holds in another type are converted (VariantChangeType); a value that does
// not convert reads as absent and is reported to the container's error log when it gave one.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include "activex/persist/property_list.h"

namespace kv::persist {

class OleBag final : public Bag {
 public:
  OleBag(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}
  bool ReadNumber(const char* name, int32_t* out) const override;
  bool ReadText(const char* name, std::wstring* out) const override;
  void WriteNumber(const char* name, int32_t value) override;
  void WriteText(const char* name, const std::wstring& value) override;

 private:
  bool Read(const char* name, VARTYPE type, VARIANT* out) const;
  void Write(const char* name, VARIANT* value);
  IPropertyBag* bag_;
  IErrorLog* log_;
};

}  // namespace kv::persist
