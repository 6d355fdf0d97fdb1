// What the main window asks at exit: nothing, log-off or restart, from the program-wide need word and
// the per-function change records.
#pragma once

#include <cstdint>
#include <vector>

namespace kv {

enum class SessionEnd { None, LogOff, Restart };

struct ChangeRecordView {
  bool Changed;
  std::uint32_t Need;  // bit 0 log-off, bit 1 restart
};

// A non-zero need word decides alone (restart on bit 1, else log-off on bit 0); otherwise the first
// changed record with bit 1 decides for a restart, a changed record with bit 0 for a log-off unless a
// later one asks for a restart.
SessionEnd DecideSessionEnd(std::uint32_t restartNeed, const std::vector<ChangeRecordView>& records);

// Exit causes: Windows ending the session and the task manager never get a question.
enum class ExitCause { UserClose, ProgramRequest, WindowsEnding, TaskManager };
inline bool AsksAtExit(ExitCause c) { return c == ExitCause::UserClose || c == ExitCause::ProgramRequest; }

}  // namespace kv
