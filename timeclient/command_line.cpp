#include "timeclient/command_line.h"

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

// The target is put into a path, so it must name a machine or domain and nothing local; "*" alone
// stands for every server of the domain.
bool IsTargetName(std::string_view name) {
  return name == "*" || timeproto::CanNameMailslotHost(name);
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
