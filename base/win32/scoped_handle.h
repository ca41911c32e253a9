#pragma once
// The one way the Win32 layers hold and pass handles: a move-only owner that closes its handle on
// scope exit, and the two casts between a native handle and the integer a seam carries.
#include <windows.h>

#include <cstdint>
#include <type_traits>
#include <utility>

namespace base {

// Seams carry handles as plain integers so the logic never sees <windows.h>.
template <typename Native, typename Value>
Native ToNative(Value value) {
  static_assert(std::is_integral_v<Value> && sizeof(Value) == sizeof(Native));
  return reinterpret_cast<Native>(value);
}

template <typename Value, typename Native>
Value ToValue(Native handle) {
  static_assert(std::is_integral_v<Value> && sizeof(Value) == sizeof(Native));
  return reinterpret_cast<Value>(handle);
}

// Closer is a function object: `void operator()(Native) const`. Null and INVALID_HANDLE_VALUE
// both mean "nothing held", as the calls that open handles return either on failure.
template <typename Native, typename Closer>
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(Native handle) : handle_(handle) {}
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() { Reset(); }

  bool IsValid() const {
    return handle_ != nullptr && handle_ != reinterpret_cast<Native>(INVALID_HANDLE_VALUE);
  }
  Native Get() const { return handle_; }
  Native Release() { return std::exchange(handle_, nullptr); }
  void Reset(Native handle = nullptr) {
    if (IsValid()) Closer{}(handle_);
    handle_ = handle;
  }

 private:
  Native handle_ = nullptr;
};

struct CloseKernelHandle {
  void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
// Files, mailslots, events, threads and tokens.
using ScopedKernelHandle = ScopedHandle<HANDLE, CloseKernelHandle>;

}  // namespace base
