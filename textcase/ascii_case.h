#pragma once
// Computer, workgroup and mailslot names compare and fold case by the C locale's rules (A to Z
// only), the same on every platform and whatever locale the program runs in.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace textcase {

inline char ToUpper(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

inline void ToUpper(std::string& text) {
  for (char& c : text) c = ToUpper(c);
}

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return ToUpper(x) == ToUpper(y); });
}

}  // namespace textcase
