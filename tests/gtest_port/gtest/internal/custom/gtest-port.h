// GoogleTest's port settings for the Windows test executables. They are built with the same
// win32-thread-model compilers as the shipped files, whose C++ library has no std::mutex or
// std::condition_variable. GoogleTest's only use of them is its Notification (for its own thread
// tests, which these executables never run), given here on an atomic flag; its mutexes and
// thread-local values already use the Win32 API. No windows.h here: every test would see its macros.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace internal
}  // namespace testing
