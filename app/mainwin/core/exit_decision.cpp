// Exit decision (see exit_decision.h).
#include "app/mainwin/core/exit_decision.h"

namespace kv {

SessionEnd DecideSessionEnd(std::uint32_t restartNeed, const std::vector<ChangeRecordView>& records) {
  if (restartNeed != 0) {
    if (restartNeed & 2u) return SessionEnd::Restart;
    if (restartNeed & 1u) return SessionEnd::LogOff;
    return SessionEnd::None;
  }
  SessionEnd result = SessionEnd::None;
  for (const ChangeRecordView& r : records) {
    if (!r.Changed) continue;
    if (r.Need & 2u) return SessionEnd::Restart;
    if (r.Need & 1u) result = SessionEnd::LogOff;
  }
  return result;
}

}  // namespace kv
