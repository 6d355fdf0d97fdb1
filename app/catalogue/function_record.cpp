// Equality of the function database records, used by tests and by the catalogue compiler's round trips.
#include "app/catalogue/function_record.h"

#include <tuple>

namespace kv {

bool operator==(const RegistryAction& a, const RegistryAction& b) {
  return std::tie(a.KeyPath, a.ValueName, a.Data, a.ValueKind, a.Mode) ==
         std::tie(b.KeyPath, b.ValueName, b.Data, b.ValueKind, b.Mode);
}

bool operator==(const FunctionRecord& a, const FunctionRecord& b) {
  return std::tie(a.Reserved1, a.Page, a.Group, a.Caption, a.OsFilter, a.RestartLevel, a.HelpText,
                  a.InputPrompt, a.InputKind, a.StateKeyPath, a.StateValueName, a.StateValueKind, a.OnValue,
                  a.StateWhenMatching, a.StateWhenMissing, a.DefaultText, a.NumberStyle, a.Minimum, a.Maximum,
                  a.DefaultNumber, a.Increment, a.Unit, a.OnActions, a.OffActions, a.Reserved2, a.Reserved3,
                  a.Reserved4) ==
         std::tie(b.Reserved1, b.Page, b.Group, b.Caption, b.OsFilter, b.RestartLevel, b.HelpText,
                  b.InputPrompt, b.InputKind, b.StateKeyPath, b.StateValueName, b.StateValueKind, b.OnValue,
                  b.StateWhenMatching, b.StateWhenMissing, b.DefaultText, b.NumberStyle, b.Minimum, b.Maximum,
                  b.DefaultNumber, b.Increment, b.Unit, b.OnActions, b.OffActions, b.Reserved2, b.Reserved3,
                  b.Reserved4);
}

bool operator==(const GroupCaptionRecord& a, const GroupCaptionRecord& b) {
  return a.Title == b.Title && a.Captions == b.Captions;
}

}  // namespace kv
