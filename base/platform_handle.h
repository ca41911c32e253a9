#pragma once
// How every seam carries a platform handle: an opaque unsigned integer as wide as a pointer, so
// the logic never sees <windows.h> and a 64-bit handle is never cut short.
#include <cstdint>

namespace base {

using PlatformHandle = std::uintptr_t;
// The null handle: what most calls give on failure.
inline constexpr PlatformHandle kNoHandle = 0;
// INVALID_HANDLE_VALUE: what the file and mailslot calls give on failure.
inline constexpr PlatformHandle kInvalidHandle = ~PlatformHandle{0};

}  // namespace base
