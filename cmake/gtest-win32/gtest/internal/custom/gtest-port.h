// GoogleTest's own hook for platform pieces, seen first by the Windows build: the win32-thread
// libstdc++ has no std::mutex or std::condition_variable, which GoogleTest's thread-start gate
// is built from. Only GoogleTest's own threaded tests wait on the gate, so a spin does.
#ifndef VERDANT_GTEST_WIN32_CUSTOM_PORT_H_
#define VERDANT_GTEST_WIN32_CUSTOM_PORT_H_

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true, std::memory_order_release); }
  void WaitForNotification() {
    while (!notified_.load(std::memory_order_acquire)) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal

#endif  // VERDANT_GTEST_WIN32_CUSTOM_PORT_H_
