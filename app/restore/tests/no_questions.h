// Profile questions answered "no" without asking (restore window model tests that load valid profiles).
#pragma once

#include "app/restore/restore_window_model.h"

namespace kv::test {

class NoQuestions : public ProfileQuestions {
 public:
  bool UseMasterInstead() override { return false; }
  void MasterDamaged() override {}
};

}  // namespace kv::test
