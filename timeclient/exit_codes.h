#pragma once
// The client's exit codes.
namespace timeclient {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFailure = 2;

}  // namespace timeclient
