// Hand-built catalogue entries for the setting dialog's tests: a text or number function whose value
// is read from key\valueName and written back there by its one action.
#pragma once

#include <string>

#include "app/catalogue/catalogue.h"

namespace kv::test {

inline FunctionRecord& ValueFunction(Catalogue& catalogue, int n, std::int16_t inputKind, const std::string& key,
                                     const std::string& valueName, const std::string& caption,
                                     const std::string& unit) {
  FunctionRecord& f = catalogue.Functions[static_cast<std::size_t>(n)];
  f.InputKind = inputKind;
  f.Caption = caption;
  f.InputPrompt = inputKind == InputText ? "Enter the new value.|It is written at once when you press OK."
                                         : "Choose the new value.";
  f.Unit = unit;
  f.StateKeyPath = key;
  f.StateValueName = valueName;
  f.StateValueKind = inputKind == InputText ? KindText : KindDword;
  f.OnActions[0] = {key, valueName, "%INPUT%", f.StateValueKind, 0};
  return f;
}

inline FunctionRecord& NumberFunction(Catalogue& catalogue, int n, const std::string& key,
                                      const std::string& valueName, const std::string& caption, std::int16_t style,
                                      std::int16_t minimum, std::int16_t maximum, const std::string& unit) {
  FunctionRecord& f = ValueFunction(catalogue, n, InputNumber, key, valueName, caption, unit);
  f.NumberStyle = style;
  f.Minimum = minimum;
  f.Maximum = maximum;
  f.DefaultNumber = minimum;
  return f;
}

}  // namespace kv::test
