#include "timeclient/command_line.h"

#include <algorithm>

#include "timeproto/time_messages.h"

namespace timeclient {
namespace {

// Handles one "/…" argument; false when it ends the parse.
bool TakeSwitch(std::string_view arg, CommandLine& line) {
  const char option = arg.size() > 1 ? arg[1] : '\0';
  if (option != 'S' && option != 's' && option != '?') {
    line.invalid = true;
    return false;
  }
  // A "/?" after "/S" is as invalid as a second "/S".
  if (arg.size() > 2 || line.set_clock) {
    line.invalid = true;
    return false;
  }
  if (option == '?') {
    line.usage = true;
  } else {
    line.set_clock = true;
  }
  return true;
}

// The target is put into a path: a character that is never part of a computer or domain name
// could turn the request into a write to a local file, a pipe or a device. "*" alone stands for
// every server of the domain.
bool IsTargetName(std::string_view name) {
  constexpr std::string_view kNotInNames = R"(\/:*?"<>|)";
  return name == "*" || std::none_of(name.begin(), name.end(), [&](unsigned char c) {
           return c < 0x20 || kNotInNames.find(static_cast<char>(c)) != std::string_view::npos;
         });
}

// Handles a target name; false when it ends the parse.
bool TakeName(std::string_view arg, CommandLine& line) {
  if (line.name_given) {
    line.invalid = true;
    return false;
  }
  if (arg.size() > timeproto::kMaxNameLength) {
    line.name_too_long = true;
    line.usage = true;
    return false;
  }
  if (!IsTargetName(arg)) {
    line.invalid = true;
    return false;
  }
  line.server_path = timeproto::ServerPath(arg);
  line.name_given = true;
  return true;
}

}  // namespace

CommandLine ParseArguments(std::span<const std::string_view> args) {
  CommandLine line;
  line.server_path = timeproto::ServerPath(std::nullopt);
  for (std::string_view arg : args) {
    const bool go_on = arg.starts_with('/') ? TakeSwitch(arg, line) : TakeName(arg, line);
    if (!go_on) break;
  }
  return line;
}

}  // namespace timeclient
