#include "consoleio/console_writer.h"

#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace consoleio {

StdoutWriter::StdoutWriter() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
#endif
}

void StdoutWriter::Write(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

}  // namespace consoleio
