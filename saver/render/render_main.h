#pragma once
// verdant-render: runs the real saver engine off screen and writes its last frame as PNG
// and/or the trace of its drawing. Returns the exit code: 0 done, 2 bad options or unwritable
// output (one line on `err`).
#include <span>
#include <string_view>

#include "base/console_writer.h"

namespace verdant {

int RenderMain(std::span<const std::string_view> args, base::ConsoleWriter& out,
               base::ConsoleWriter& err);

}  // namespace verdant
