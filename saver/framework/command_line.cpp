#include "saver/framework/command_line.h"

#include <algorithm>
#include <cstdint>

namespace verdant {
namespace {

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsFolded(std::string_view text, std::string_view lower) {
  return std::ranges::equal(text, lower, [](char a, char b) { return FoldAscii(a) == b; });
}

bool IsAnyOf(std::string_view argument, std::initializer_list<std::string_view> choices) {
  return std::ranges::any_of(choices,
                             [argument](std::string_view c) { return EqualsFolded(argument, c); });
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string_view SaverArgument(std::string_view command_line) {
  std::size_t space = command_line.find(' ');
  if (space == std::string_view::npos) return {};
  std::size_t start = command_line.find_first_not_of(' ', space);
  return start == std::string_view::npos ? std::string_view{} : command_line.substr(start);
}

SaverMode ChooseSaverMode(std::string_view argument) {
  if (EqualsFolded(argument.substr(0, 2), "/s") || IsAnyOf(argument, {"-s", "s"})) {
    return SaverMode::kSaver;
  }
  if (IsAnyOf(argument, {"/c", "-c", "c"})) return SaverMode::kConfigWithOwner;
  return SaverMode::kConfigWithoutOwner;
}

std::optional<WindowHandle> PreviewParent(std::string_view argument) {
  if (!EqualsFolded(argument.substr(0, 2), "/p")) return std::nullopt;
  std::string_view rest = argument.substr(2);
  if (rest.starts_with(':')) {
    rest.remove_prefix(1);
  } else if (rest.starts_with(' ')) {
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
  } else {
    return std::nullopt;
  }
  if (rest.empty() || !std::ranges::all_of(rest, IsDigit)) return std::nullopt;
  constexpr std::uint64_t kLargestHandle = 0xFFFFFFFF;
  std::uint64_t handle = 0;
  for (char digit : rest) {
    handle = handle * 10 + static_cast<std::uint64_t>(digit - '0');
    if (handle > kLargestHandle) return WindowHandle{0};
  }
  return static_cast<WindowHandle>(handle);
}

}  // namespace verdant
