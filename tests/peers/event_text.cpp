// Formats an event-log entry's text from a program's message table, as the event viewer does.
//   event_text <program> <event id> <string>…
// Prints the text; exit code 0, or 1 when the program or the message cannot be loaded.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/win32/scoped_handle.h"

namespace {

struct FreeModule {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::printf("usage: event_text <program> <event id> <string>...\n");
    return 1;
  }
  const base::ScopedHandle<HMODULE, FreeModule> program(
      LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!program.IsValid()) {
    std::printf("cannot load %s: error %lu\n", argv[1], GetLastError());
    return 1;
  }
  std::vector<DWORD_PTR> strings;
  for (int i = 3; i < argc; ++i) strings.push_back(reinterpret_cast<DWORD_PTR>(argv[i]));
  char text[512];
  const DWORD id = std::strtoul(argv[2], nullptr, 10);
  if (!FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY, program.Get(),
                      id, 0, text, sizeof text, reinterpret_cast<va_list*>(strings.data()))) {
    std::printf("no message %lu: error %lu\n", id, GetLastError());
    return 1;
  }
  std::fputs(text, stdout);
  return 0;
}
