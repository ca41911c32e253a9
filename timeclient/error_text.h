#pragma once
// "<what>, error code: <code>\n", the code printed as a signed decimal number.
#include <cstdint>
#include <string>
#include <string_view>

namespace timeclient {

inline std::string ErrorText(std::string_view what, std::int32_t code) {
  return std::string(what) + ", error code: " + std::to_string(code) + "\n";
}

}  // namespace timeclient
