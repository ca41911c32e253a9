#include "test_threads.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <mutex>
#include <thread>
#endif

namespace timeserver::testing {

#ifdef _WIN32

struct TestLock::Native {
  Native() { InitializeCriticalSection(&section); }
  ~Native() { DeleteCriticalSection(&section); }
  CRITICAL_SECTION section;
};
void TestLock::Enter() {
  EnterCriticalSection(&native_->section);
}
bool TestLock::TryEnter() {
  return TryEnterCriticalSection(&native_->section) != 0;
}
void TestLock::Leave() {
  LeaveCriticalSection(&native_->section);
}

namespace {
void SleepOneMillisecond() {
  Sleep(1);
}
}  // namespace

struct TestThread::Native {
  static DWORD WINAPI Run(LPVOID self) {
    static_cast<Native*>(self)->body();
    return 0;
  }
  explicit Native(std::function<void()> f) : body(std::move(f)) {
    thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  void Join() {
    if (thread == nullptr) return;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    thread = nullptr;
  }
  std::function<void()> body;
  HANDLE thread;
};

#else

struct TestLock::Native {
  std::recursive_mutex mutex;
};
void TestLock::Enter() {
  native_->mutex.lock();
}
bool TestLock::TryEnter() {
  return native_->mutex.try_lock();
}
void TestLock::Leave() {
  native_->mutex.unlock();
}

namespace {
void SleepOneMillisecond() {
  std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
}  // namespace

struct TestThread::Native {
  explicit Native(std::function<void()> body) : thread(std::move(body)) {}
  void Join() {
    if (thread.joinable()) thread.join();
  }
  std::thread thread;
};

#endif

TestLock::TestLock() : native_(std::make_unique<Native>()) {}
TestLock::~TestLock() = default;

bool WaitUntil(TestLock& lock, const std::function<bool()>& done, std::chrono::milliseconds bound) {
  const auto deadline = std::chrono::steady_clock::now() + bound;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    lock.Leave();
    SleepOneMillisecond();
    lock.Enter();
  }
  return true;
}

TestThread::TestThread(std::function<void()> body)
    : native_(std::make_unique<Native>(std::move(body))) {}
TestThread::~TestThread() {
  Join();
}
void TestThread::Join() {
  native_->Join();
}

}  // namespace timeserver::testing
