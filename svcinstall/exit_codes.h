#pragma once
// The installer's exit codes.
namespace svcinstall {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;

}  // namespace svcinstall
