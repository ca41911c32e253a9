// The client's command-line parse over arbitrary arguments (the input split at NUL bytes), and
// its reply report over arbitrary datagrams: nothing may crash, the path must fit its 64 bytes
// and name no local file, pipe or device, and no control byte may reach the terminal.
#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/console_writer.h"
#include "timeclient/command_line.h"
#include "timeclient/reply_report.h"
#include "timeproto/time_messages.h"

namespace {

void CheckParse(std::string_view data) {
  std::vector<std::string_view> args;
  for (std::size_t start = 0; start <= data.size();) {
    std::size_t end = data.find('\0', start);
    if (end == std::string_view::npos) end = data.size();
    args.push_back(data.substr(start, end - start));
    start = end + 1;
  }
  const timeclient::CommandLine line = timeclient::ParseArguments(args);
  const bool default_path = line.server_path == timeproto::ServerPath(std::nullopt);
  if (line.server_path.size() >= 64) std::abort();
  if (!line.name_given && !default_path) std::abort();
  if (line.name_too_long && (line.invalid || !line.usage)) std::abort();
  // \\<target>\mailslot\ntserver: the target holds no path, device or control character.
  constexpr std::string_view kSuffix = R"(\mailslot\ntserver)";
  const std::string_view target =
      std::string_view(line.server_path).substr(2, line.server_path.size() - 2 - kSuffix.size());
  if (target != "*" && target.find_first_of(R"(\/:*?"<>|)") != std::string_view::npos) std::abort();
  if (std::any_of(target.begin(), target.end(), [](unsigned char c) { return c < 0x20; })) {
    std::abort();
  }
}

void CheckReply(std::string_view data) {
  if (data.size() > timeproto::kMaxMessageSize) return;
  base::StringWriter out;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
  timeclient::ReportReply({bytes, data.size()}, out);
  for (unsigned char c : out.text) {
    if (c != '\n' && (c < 0x20 || c == 0x7F)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckParse(text);
  CheckReply(text);
  return 0;
}
