#pragma once
// A lock, a wait and a thread for tests built both natively and as Windows programs: the
// Windows build's C++ library has no std::mutex or std::thread.
#include <chrono>
#include <functional>
#include <memory>

namespace timeserver::testing {

// Taken again by the thread that holds it, as a critical section is.
class TestLock {
 public:
  TestLock();
  ~TestLock();
  void Enter();
  bool TryEnter();
  void Leave();

 private:
  struct Native;
  std::unique_ptr<Native> native_;
};

class TestLockGuard {
 public:
  explicit TestLockGuard(TestLock& lock) : lock_(lock) { lock_.Enter(); }
  ~TestLockGuard() { lock_.Leave(); }
  TestLockGuard(const TestLockGuard&) = delete;
  TestLockGuard& operator=(const TestLockGuard&) = delete;

 private:
  TestLock& lock_;
};

// Looks at `done` every millisecond, with `lock` (held once) let go in between; false when it is
// still false after `bound`. Windows XP has no condition variable, so both builds poll alike.
bool WaitUntil(TestLock& lock, const std::function<bool()>& done, std::chrono::milliseconds bound);

// Runs `body` at once; joined by Join or on destruction.
class TestThread {
 public:
  explicit TestThread(std::function<void()> body);
  ~TestThread();
  void Join();

 private:
  struct Native;
  std::unique_ptr<Native> native_;
};

}  // namespace timeserver::testing
