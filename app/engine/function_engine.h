// The function engine: turns catalogue functions into registry effects. Reads a function's current state
// or value, switches a function on or off, gives it a new value, and keeps the change table and the
// program-wide need bits from which the exit decision is made.
// Function numbers outside the catalogue read as empty (state 0, empty text) and apply nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/catalogue/catalogue.h"
#include "app/catalogue/registry.h"
#include "app/engine/function_changes.h"
#include "app/engine/path_variables.h"

namespace kv {

inline constexpr std::int32_t kStateAbsentDword = 999999;  // DWORD sentinel of on/off states
inline constexpr std::int32_t kValueAbsentDword = 99999;   // DWORD sentinel of values

class FunctionEngine {
 public:
  // The catalogue may still be empty here and be loaded later; the engine reads it at each call.
  FunctionEngine(Registry& registry, const Catalogue& catalogue);

  // Once at start-up, before the catalogue is loaded.
  void InitPathVariables(const PlatformFolders& folders);
  std::string ExpandPathVariables(const std::string& templateText, const std::string& input) const;
  const PathVariables& Paths() const { return paths_; }

  std::int16_t ReadCheckState(int function) const;
  std::string ReadValueText(int function) const;
  std::string ReadNumberText(int function) const;

  // Both return the success flag of the last write performed (false when none was), and call the
  // save-info callback afterwards whatever the outcome.
  bool ApplyFunctionState(int function, bool newState);
  bool ApplyFunctionValue(int function, const std::string& input);
  void RecordFunctionChange(int function, bool newState);

  // Program-wide need bits: raised by value changes and by restores, never cleared during the run.
  std::int32_t RestartNeed() const { return restartNeed_; }
  void RaiseRestartNeed(std::int16_t restartLevel);

  // One change record per function number (FktAnzahl + 2 entries once the catalogue is loaded).
  const std::vector<FunctionChangeRecord>& ChangeTable() const;
  ExitAction DecideExit() const;

  // The main window's headline confirmation ("HaedlineSaveInfo"); the engine works without one.
  void SetSaveInfoCallback(std::function<void()> callback) { saveInfo_ = std::move(callback); }

 private:
  const FunctionRecord* Function(int function) const { return catalogue_.Function(function); }
  // The stored value of a text, DWORD or (when supported) binary function as text; false when absent.
  bool ReadStoredValue(const FunctionRecord& f, bool binarySupported, std::string* value) const;
  bool RunStateAction(const RegistryAction& action, bool* wrote);
  std::string BitOperation(const RegistryAction& action, const std::string& data) const;
  void NotifySaved() const;

  Registry& registry_;
  const Catalogue& catalogue_;
  PathVariables paths_;
  mutable std::vector<FunctionChangeRecord> changes_;  // sized to the catalogue on use
  std::int32_t restartNeed_ = 0;
  std::function<void()> saveInfo_;
};

}  // namespace kv
