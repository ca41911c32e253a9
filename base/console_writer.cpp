#include "base/console_writer.h"

#include <cstdio>

namespace base {

// Text mode, as printf would: on Windows each "\n" reaches a file or pipe as "\r\n".
void StdoutWriter::Write(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

}  // namespace base
