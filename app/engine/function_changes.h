// Bookkeeping of switched functions and the exit decision drawn from it.
// Need bits: bit 0 log-off needed, bit 1 restart needed (bit n = what RestartLevel n means).
#pragma once

#include <cstdint>
#include <vector>

namespace kv {

struct FunctionChangeRecord {
  bool FirstNewState = false;     // state set by the first switch since program start
  bool Changed = false;           // switched since program start and not switched back
  std::int32_t FunctionNeed = 0;  // need bits of this function's switch
};

// First switch: remember the state, mark changed and raise the need bit of restartLevel.
// A later switch to the opposite of the first state (back where it started) clears the record;
// switching to the same state again changes nothing.
void RecordChange(FunctionChangeRecord& record, bool newState, std::int16_t restartLevel);

enum class ExitAction { None, LogOff, Restart };

// What to offer at program exit. With restartNeed 0 the functions 0..fktAnzahl are scanned in order: a
// changed function with bit 1 means restart (and ends the scan), one with bit 0 means log-off unless a
// later one asks for a restart. With restartNeed not 0 only its bits count (bit 1 restart, else bit 0 log-off).
ExitAction DecideExitAction(std::int32_t restartNeed, const std::vector<FunctionChangeRecord>& changes,
                            int fktAnzahl);

}  // namespace kv
