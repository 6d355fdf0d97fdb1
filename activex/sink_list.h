// The advised sinks of one connection point, and the two steps every event source needs:
// a referenced snapshot to call (a sink may unadvise or drop the source while handling an event)
// and releasing them all at once.
#pragma once

#include <windows.h>

#include <new>
#include <utility>
#include <vector>

namespace kv::com {

template <class Sink>
using SinkList = std::vector<std::pair<DWORD, Sink*>>;

// AddRef'ed copies of the current sinks; empty when memory runs out (the event is then dropped).
template <class Sink>
std::vector<Sink*> ReferencedSinks(const SinkList<Sink>& sinks) {
  std::vector<Sink*> targets;
  try {
    targets.reserve(sinks.size());
  } catch (const std::bad_alloc&) {
    return targets;
  }
  for (auto& entry : sinks) {
    entry.second->AddRef();
    targets.push_back(entry.second);
  }
  return targets;
}

template <class Sink>
void ReleaseAllSinks(SinkList<Sink>& sinks) {
  SinkList<Sink> released;
  released.swap(sinks);
  for (auto& entry : released) entry.second->Release();
}

}  // namespace kv::com
