#pragma once
// The fixed texts the client prints before it does anything.
#include "consoleio/console_writer.h"

namespace timeclient {

// The banner line, the notice line and an empty line.
void PrintBanner(consoleio::ConsoleWriter& out);
void PrintUsage(consoleio::ConsoleWriter& out);

}  // namespace timeclient
