// Lets the pending window messages of this thread run, until the queue is empty (no busy loop).
#pragma once

namespace kv::helper {

void PumpPendingMessages();

}  // namespace kv::helper
