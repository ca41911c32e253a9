#pragma once
// Forced into every GoogleTest compile of the Windows build. GoogleTest makes its Notification of
// std::mutex and std::condition_variable, which the win32-threads C++ library does not have; this
// one is an event, and the macro tells GoogleTest that it is already there.
#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification();
  ~Notification();
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify();
  void WaitForNotification();

 private:
  void* event_;
};

}  // namespace testing::internal
