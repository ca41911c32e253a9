// The saver's command line (the text after the program name picks the mode or the preview), the
// native saver's arguments and verdant-render's options (NUL-separated arguments): no crash, and
// what they accept is sane.
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "saver/framework/command_line.h"
#include "saver/framework/native_options.h"
#include "saver/render/render_options.h"

namespace {

void CheckSaverLine(std::string_view line) {
  std::string_view argument = verdant::SaverArgument(line);
  // The argument is a tail of the line itself, never a copy or a read past it.
  if (!argument.empty() && argument.data() + argument.size() != line.data() + line.size()) {
    std::abort();
  }
  verdant::ChooseSaverMode(argument);
  // A preview request is "/p" and a handle; whatever else, never a value beyond 32 bits.
  std::optional<verdant::WindowHandle> parent = verdant::PreviewParent(argument);
  if (parent && (argument.size() < 4 || *parent > 0xFFFFFFFFu)) std::abort();
}

std::vector<std::string_view> SplitArguments(std::string_view text) {
  std::vector<std::string_view> args;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\0', start);
    if (end == std::string_view::npos) end = text.size();
    args.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return args;
}

void CheckNativeOptions(std::string_view text) {
  verdant::ParsedNativeOptions parsed = verdant::ParseNativeOptions(SplitArguments(text), nullptr);
  const verdant::NativeOptions& options = parsed.options;
  if (!parsed.error.empty()) return;
  if ((options.window && (options.window->width < 1 || options.window->height < 1)) ||
      (options.ticks && *options.ticks < 1) ||
      (options.foreign && options.foreign->id > UINT32_MAX)) {
    std::abort();
  }
  verdant::ChooseSaverMode(options.mode_argument);
}

void CheckRenderOptions(std::string_view text) {
  std::vector<std::string_view> args = SplitArguments(text);
  verdant::ParsedOptions parsed = verdant::ParseRenderOptions(args);
  const verdant::RenderOptions& options = parsed.options;
  if (!parsed.error.empty() || options.help) return;
  if (options.width < 1 || options.width > verdant::kMaxRenderSize || options.height < 1 ||
      options.height > verdant::kMaxRenderSize || options.ticks < 0) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      CheckSaverLine(text);
      break;
    case 1:
      CheckRenderOptions(text);
      break;
    default:
      CheckNativeOptions(text);
  }
  return 0;
}
