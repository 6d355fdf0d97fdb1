// The schedule of the fault-injecting file stores in the write-fault tests: every step of a write is
// counted and logged, and the chosen one fails, so that a test can fail each step in turn and knows
// when it has run past the last one.
#pragma once

#include <string>
#include <vector>

namespace kv::test {

class FaultSteps {
 public:
  // `failAt`: the 0-based step that fails; -1 (or past the last step) fails nothing.
  explicit FaultSteps(int failAt) : failAt_(failAt) {}

  // Records the step; true when it is the one that fails.
  bool Fails(const char* step) {
    const bool fail = static_cast<int>(steps.size()) == failAt_;
    steps.push_back(fail ? std::string(step) + " FAILED" : std::string(step));
    failed = failed || fail;
    return fail;
  }
  std::string Log() const {
    std::string log;
    for (const std::string& s : steps) log += s + ", ";
    return log;
  }

  std::vector<std::string> steps;  // every step reached, in order; the failing one ends with " FAILED"
  bool failed = false;             // the chosen step was reached

 private:
  int failAt_;
};

}  // namespace kv::test
