#include <algorithm>
#include <string>
#include <vector>

#include "base/console_writer.h"
#include "svcinstall/installer.h"
#include "svcinstall/win32/win32_service_manager.h"

int main(int argc, char** argv) {
  // Everything after the program name; nothing at all when even that is missing.
  std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
  svcinstall::Win32ServiceManager manager;
  base::StdoutWriter out;
  return svcinstall::InstallerMain(args, manager, out);
}
