#pragma once
// The time client: asks a time-server for the time, prints it, and with /S sets the clock.
#include <span>
#include <string_view>

#include "base/console_writer.h"
#include "timeclient/client_platform.h"

namespace timeclient {

// One run over the arguments after the program name; returns the exit code (0, 1 or 2).
int RunHorolan(std::span<const std::string_view> args, ClientPlatform& platform,
               base::ConsoleWriter& out);

}  // namespace timeclient
