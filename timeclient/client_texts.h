#pragma once
// The fixed texts the client prints before it does anything.
#include "base/console_writer.h"

namespace timeclient {

// The banner line, the notice line and an empty line.
void PrintBanner(base::ConsoleWriter& out);
void PrintUsage(base::ConsoleWriter& out);

}  // namespace timeclient
