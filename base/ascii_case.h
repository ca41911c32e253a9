#pragma once
// Computer, workgroup, mailslot and profile names compare and fold case by the C locale's
// rules (A to Z only), the same on every platform and whatever locale the program runs in.
#include <algorithm>
#include <string>
#include <string_view>

namespace base {

// Not std::toupper: that follows the program's locale, which a GUI toolkit may have set.
inline char ToUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline void ToUpper(std::string& text) {
  for (char& c : text) c = ToUpper(c);
}

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return ToUpper(x) == ToUpper(y); });
}

}  // namespace base
