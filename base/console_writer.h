#pragma once
// Where the console programs print: standard output in the programs, a string in the tests,
// so that a test compares the exact bytes printed.
#include <string>
#include <string_view>

namespace base {

struct ConsoleWriter {
  virtual ~ConsoleWriter() = default;
  virtual void Write(std::string_view text) = 0;
};

// Writes to standard output.
struct StdoutWriter : ConsoleWriter {
  void Write(std::string_view text) override;
};

// Keeps everything written, for tests.
struct StringWriter : ConsoleWriter {
  std::string text;
  void Write(std::string_view more) override { text.append(more); }
};

}  // namespace base
