// Change records of switched functions and the pure exit decision.
#include "app/engine/function_changes.h"

#include "app/engine/bit_ops.h"

namespace kv {

void RecordChange(FunctionChangeRecord& record, bool newState, std::int16_t restartLevel) {
  if (!record.Changed) {
    record.FirstNewState = newState;
    record.Changed = true;
    BitSet(record.FunctionNeed, restartLevel);
  } else if (newState != record.FirstNewState) {
    record.Changed = false;
    record.FunctionNeed = 0;
  }
}

ExitAction DecideExitAction(std::int32_t restartNeed, const std::vector<FunctionChangeRecord>& changes,
                            int fktAnzahl) {
  if (restartNeed != 0) {
    if (BitTest(restartNeed, 1)) return ExitAction::Restart;
    return BitTest(restartNeed, 0) ? ExitAction::LogOff : ExitAction::None;
  }
  ExitAction action = ExitAction::None;
  for (int n = 0; n <= fktAnzahl && n < static_cast<int>(changes.size()); ++n) {
    const FunctionChangeRecord& record = changes[static_cast<std::size_t>(n)];
    if (!record.Changed) continue;
    if (BitTest(record.FunctionNeed, 1)) return ExitAction::Restart;
    if (BitTest(record.FunctionNeed, 0)) action = ExitAction::LogOff;
  }
  return action;
}

}  // namespace kv
