// horolan.exe: the time client over the real platform.
#include <string_view>
#include <vector>

#include "base/console_writer.h"
#include "timeclient/horolan.h"
#include "timeclient/win32/win32_platform.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  timeclient::Win32Mailslots mailslots;
  timeclient::Win32ComputerName computer_name;
  timeclient::Win32Sleeper sleeper;
  timeclient::Win32Privileges privileges;
  timeclient::Win32LocalClock clock;
  timeclient::ClientPlatform platform{mailslots, computer_name, sleeper, privileges, clock};
  base::StdoutWriter out;
  return timeclient::RunHorolan(args, platform, out);
}
