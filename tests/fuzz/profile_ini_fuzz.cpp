// The profile file as anyone may have edited it: reading a key never fails, and after a write
// the key reads back as the number written, the other keys read as before, and of the old
// text at most the one line of the key has changed, whatever else the text holds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "saver/animation/ini/ini_profile_store.h"

namespace {

const std::string kSection = "ScreenSaver.Verdant Drift";

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

bool StartsWithNumber(std::string_view text) {
  const std::size_t at = text.find_first_not_of(" \t");
  if (at == std::string_view::npos) return false;
  text.remove_prefix(at);
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

// No line break among the bytes of `before` that `after` does not share at its start or end:
// one line changed, or text was only added.
bool ChangesAtMostOneLine(std::string_view before, std::string_view after) {
  std::size_t prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
    ++prefix;
  }
  std::size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
    ++suffix;
  }
  return before.substr(prefix, before.size() - prefix - suffix).find('\n') ==
         std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  // An empty value yields exactly the default, any other that does not start with a number 0.
  const int parsed = verdant::ParseProfileInt(text, 12345);
  if (IsBlank(text) && parsed != 12345) std::abort();
  if (!IsBlank(text) && !StartsWithNumber(text) && parsed != 0) std::abort();
  if (verdant::ParseProfileInt(std::to_string(parsed), 0) != parsed) std::abort();

  const int value = static_cast<int>(size) - 100;
  const auto updated = verdant::UpdateProfileText(text, kSection, "Number", std::to_string(value));
  if (!updated) std::abort();  // a plain key and number always fit on a line
  if (verdant::ReadProfileInt(*updated, kSection, "Number", value + 1) != value) std::abort();
  if (!ChangesAtMostOneLine(text, *updated)) std::abort();
  for (const char* key : {"PlantType", "ColorChoice", "BkgndTone", "Delay"}) {
    if (verdant::ReadProfileInt(text, kSection, key, -1) !=
        verdant::ReadProfileInt(*updated, kSection, key, -1)) {
      std::abort();
    }
  }
  return 0;
}
