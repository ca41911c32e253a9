// verdant-render: the saver's engine off screen.
#include <csignal>
#include <cstdio>
#include <string_view>
#include <vector>

#include "saver/render/render_main.h"

namespace {

// The one-line failures go to standard error; standard output carries --help.
struct StderrWriter : base::ConsoleWriter {
  void Write(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), stderr); }
};

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // Past the file size limit a write then fails and is reported, and the unfinished output is
  // removed, instead of the signal ending the program with it left behind.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  base::StdoutWriter out;
  StderrWriter err;
  return verdant::RenderMain(args, out, err);
}
