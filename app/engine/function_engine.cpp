// Reading function states and values, and applying states and values through the registry layer.
#include "app/engine/function_engine.h"

#include "app/catalogue/ansi_text.h"
#include "app/catalogue/hex_text.h"
#include "app/catalogue/number_text.h"
#include "app/engine/bit_ops.h"

namespace kv {

namespace {

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// Mid$-style piece of a text: up to `count` characters from `start` (0-based), empty past the end.
std::string Piece(const std::string& text, std::size_t start, std::size_t count) {
  return start < text.size() ? text.substr(start, count) : std::string();
}

}  // namespace

FunctionEngine::FunctionEngine(Registry& registry, const Catalogue& catalogue)
    : registry_(registry), catalogue_(catalogue) {}

void FunctionEngine::InitPathVariables(const PlatformFolders& folders) { paths_.Init(folders, registry_); }

std::string FunctionEngine::ExpandPathVariables(const std::string& templateText, const std::string& input) const {
  return paths_.Expand(templateText, input);
}

std::int16_t FunctionEngine::ReadCheckState(int function) const {
  const FunctionRecord* f = Function(function);
  if (f == nullptr) return 0;
  const std::int16_t matching = f->StateWhenMatching;
  const std::int16_t missing = f->StateWhenMissing;
  const std::string& on = f->OnValue;
  const std::int16_t opposite = matching != 0 ? 0 : 1;

  switch (f->StateValueKind) {
    case KindText: {
      const std::string r = registry_.RegReadString(f->StateKeyPath, f->StateValueName, "");
      if (AnsiUpper(r) == "NOKEY") return on == kNoKey ? matching : missing;
      return EqualsIgnoringCase(r, on) ? matching : opposite;
    }
    case KindDword: {
      const std::int32_t d = registry_.RegReadDword(f->StateKeyPath, f->StateValueName, kStateAbsentDword);
      if (d == kStateAbsentDword) return missing;
      return d == NumberOfText(on) ? matching : opposite;
    }
    case KindBinary: {
      const std::string r = registry_.RegReadBinary(f->StateKeyPath, f->StateValueName, "");
      if (r == kNoKey) return on == kNoKey ? matching : missing;
      if (Contains(on, "%BIT%")) {
        const int bit = NumberOfText16(Piece(on, 5, 6));
        return BitTest(static_cast<std::int32_t>(HexToNumber(r)), bit) ? matching : missing;
      }
      return r == on ? matching : opposite;
    }
    default:
      return opposite;
  }
}

bool FunctionEngine::ReadStoredValue(const FunctionRecord& f, bool binarySupported, std::string* value) const {
  if (f.StateValueKind == KindText) {
    std::string r = registry_.RegReadString(f.StateKeyPath, f.StateValueName, "");
    if (r == kNoKey) return false;
    *value = std::move(r);
    return true;
  }
  if (f.StateValueKind == KindDword) {
    const std::int32_t d = registry_.RegReadDword(f.StateKeyPath, f.StateValueName, kValueAbsentDword);
    if (d == kValueAbsentDword) return false;
    *value = std::to_string(d);
    return true;
  }
  if (f.StateValueKind == KindBinary && binarySupported) {
    std::string r = registry_.RegReadBinary(f.StateKeyPath, f.StateValueName, "");
    if (r == kNoKey) return false;
    *value = std::move(r);
    return true;
  }
  return false;
}

std::string FunctionEngine::ReadValueText(int function) const {
  const FunctionRecord* f = Function(function);
  if (f == nullptr) return std::string();
  std::string value = f->DefaultText;
  ReadStoredValue(*f, true, &value);
  return value;
}

std::string FunctionEngine::ReadNumberText(int function) const {
  const FunctionRecord* f = Function(function);
  if (f == nullptr) return std::string();
  std::string value = std::to_string(f->DefaultNumber);
  ReadStoredValue(*f, false, &value);  // binary numbers are not supported: the default stays
  if (f->Maximum > 0 && NumberOfText(value) > f->Maximum) value = std::to_string(f->Maximum);
  return value;
}

std::string FunctionEngine::BitOperation(const RegistryAction& action, const std::string& data) const {
  const std::string rest = Piece(data, 8, 9);  // after the eight-character keyword
  const std::size_t slash = rest.find('/');
  const int bit = NumberOfText16(rest.substr(0, slash));
  const int width = slash == std::string::npos ? 8 : NumberOfText16(rest.substr(slash + 1));
  std::int32_t current =
      static_cast<std::int32_t>(HexToNumber(registry_.RegReadBinary(action.KeyPath, action.ValueName, "")));
  const std::string upper = AnsiUpper(data);
  if (Contains(upper, "%BITSET%")) BitSet(current, bit);
  if (Contains(upper, "%BITDEL%")) BitClear(current, bit);
  return NumberToHex(static_cast<std::uint32_t>(current), width);
}

bool FunctionEngine::RunStateAction(const RegistryAction& action, bool* wrote) {
  const std::string data = paths_.Expand(action.Data, "");
  if (action.Mode == 1) {
    registry_.RegDelete(action.KeyPath, action.ValueName);
    return false;
  }
  if (action.Mode != 0) return false;
  switch (action.ValueKind) {
    case KindText:
      *wrote = true;
      return registry_.RegWriteString(action.KeyPath, action.ValueName, data);
    case KindDword:
      *wrote = true;
      return registry_.RegWriteDword(action.KeyPath, action.ValueName, NumberOfText(data));
    case KindBinary: {
      const std::string hex = Contains(AnsiUpper(data), "%BIT") ? BitOperation(action, data) : data;
      *wrote = true;
      return registry_.RegWriteBinary(action.KeyPath, action.ValueName, hex);
    }
    default:
      return false;
  }
}

bool FunctionEngine::ApplyFunctionState(int function, bool newState) {
  const FunctionRecord* f = Function(function);
  if (f == nullptr) return false;
  RecordFunctionChange(function, newState);
  bool lastWrite = false;
  for (const RegistryAction& action : newState ? f->OnActions : f->OffActions) {
    if (action.KeyPath.empty()) continue;
    bool wrote = false;
    const bool ok = RunStateAction(action, &wrote);
    if (wrote) lastWrite = ok;
  }
  NotifySaved();
  return lastWrite;
}

bool FunctionEngine::ApplyFunctionValue(int function, const std::string& input) {
  const FunctionRecord* f = Function(function);
  if (f == nullptr) return false;
  bool lastWrite = false;
  for (const RegistryAction& action : f->OnActions) {  // Mode is ignored: values are always written
    if (!action.KeyPath.empty()) {
      if (action.ValueKind == KindText) {
        lastWrite = registry_.RegWriteString(action.KeyPath, action.ValueName, paths_.Expand(action.Data, input));
      } else if (action.ValueKind == KindDword) {
        lastWrite = registry_.RegWriteDword(action.KeyPath, action.ValueName,
                                            NumberOfText(paths_.Expand(action.Data, input)));
      } else if (action.ValueKind == KindBinary) {
        lastWrite = registry_.RegWriteBinary(action.KeyPath, action.ValueName, input);  // the input is the hex text
      }
    }
    RaiseRestartNeed(f->RestartLevel);
  }
  NotifySaved();
  return lastWrite;
}

void FunctionEngine::RecordFunctionChange(int function, bool newState) {
  const FunctionRecord* f = Function(function);
  if (f == nullptr) return;
  ChangeTable();
  RecordChange(changes_[static_cast<std::size_t>(function)], newState, f->RestartLevel);
}

void FunctionEngine::RaiseRestartNeed(std::int16_t restartLevel) { BitSet(restartNeed_, restartLevel); }

const std::vector<FunctionChangeRecord>& FunctionEngine::ChangeTable() const {
  if (changes_.size() != catalogue_.FunctionCount()) changes_.resize(catalogue_.FunctionCount());
  return changes_;
}

ExitAction FunctionEngine::DecideExit() const {
  return DecideExitAction(restartNeed_, ChangeTable(), catalogue_.FktAnzahl);
}

void FunctionEngine::NotifySaved() const {
  if (saveInfo_) saveInfo_();
}

}  // namespace kv
