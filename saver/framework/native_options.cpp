#include "saver/framework/native_options.h"

#include <charconv>

namespace verdant {
namespace {

constexpr int kMaxWindowSide = 16384;

template <typename T>
bool ParsePositive(std::string_view text, T& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value > 0;
}

bool ParseSize(std::string_view text, WindowSize& size) {
  std::size_t x = text.find('x');
  return x != std::string_view::npos && ParsePositive(text.substr(0, x), size.width) &&
         ParsePositive(text.substr(x + 1), size.height) && size.width <= kMaxWindowSide &&
         size.height <= kMaxWindowSide;
}

// X window ids are written in decimal or, as XScreenSaver writes them, in hex after "0x".
bool ParseWindowId(std::string_view text, std::uint64_t& id) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
  return !text.empty() && error == std::errc() && end == text.data() + text.size() && id != 0 &&
         id <= UINT32_MAX;
}

// "--name" and "-name" both name the option "name"; anything else names none.
std::string_view OptionName(std::string_view arg) {
  if (arg.starts_with("--")) return arg.substr(2);
  if (arg.starts_with("-")) return arg.substr(1);
  return {};
}

}  // namespace

ParsedNativeOptions ParseNativeOptions(std::span<const std::string_view> args,
                                       const char* xscreensaver_window) {
  ParsedNativeOptions parsed;
  NativeOptions& options = parsed.options;
  bool root = false;
  std::optional<std::uint64_t> window_id;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    std::string_view name = OptionName(arg);
    const bool takes_value = name == "window" || name == "ticks" || name == "window-id";
    if (takes_value && i + 1 == args.size()) {
      parsed.error = std::string(arg) + " needs a value";
      return parsed;
    }
    if (name == "help") {
      options.help = true;
    } else if (name == "root") {
      root = true;
    } else if (name == "window" && !ParseSize(args[++i], options.window.emplace())) {
      parsed.error = "bad window size: " + std::string(args[i]);
    } else if (name == "ticks" && !ParsePositive(args[++i], options.ticks.emplace())) {
      parsed.error = "bad number of ticks: " + std::string(args[i]);
    } else if (name == "window-id" && !ParseWindowId(args[++i], window_id.emplace())) {
      parsed.error = "bad window id: " + std::string(args[i]);
    } else if (!takes_value) {
      if (!options.mode_argument.empty()) options.mode_argument += ' ';
      options.mode_argument += arg;
    }
    if (!parsed.error.empty()) return parsed;
  }
  // Set but empty counts as unset, as the program takes its other variables.
  if (!window_id && xscreensaver_window && *xscreensaver_window) {
    if (!ParseWindowId(xscreensaver_window, window_id.emplace())) {
      parsed.error = std::string("bad XSCREENSAVER_WINDOW: ") + xscreensaver_window;
      return parsed;
    }
  }
  if (window_id) {
    options.foreign = ForeignWindow{*window_id};
  } else if (root) {
    options.foreign = ForeignWindow{};
  }
  return parsed;
}

}  // namespace verdant
