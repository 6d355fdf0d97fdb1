// Adapts a container's IPropertyBag to the slider's PropertyBag, so IPersistPropertyBag loads and
// saves through the same property table as everything else.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <string>

#include "slider/model/slider_properties.h"

namespace kvslide {

class OlePropertyBag final : public PropertyBag {
 public:
  OlePropertyBag(IPropertyBag* bag, IErrorLog* log) : bag_(bag), log_(log) {}
  bool ReadNumber(const char* name, int32_t* out) const override;
  bool ReadText(const char* name, std::string* out) const override;
  void WriteNumber(const char* name, int32_t v) override;
  void WriteText(const char* name, const std::string& v) override;

 private:
  bool Read(const char* name, VARTYPE type, VARIANT* out) const;
  IPropertyBag* bag_;
  IErrorLog* log_;
};

}  // namespace kvslide
