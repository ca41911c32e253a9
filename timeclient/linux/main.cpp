// horolan: the time client on Linux, asking machines and workgroups of the LAN.
#include <string_view>
#include <vector>

#include "base/console_writer.h"
#include "timeclient/horolan.h"
#include "timeclient/linux/linux_platform.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  timeclient::LinuxMailslots mailslots;
  timeclient::LinuxComputerName computer_name;
  timeclient::LinuxSleeper sleeper;
  timeclient::LinuxPrivileges privileges;
  timeclient::LinuxLocalClock clock;
  timeclient::ClientPlatform platform{mailslots, computer_name, sleeper, privileges, clock};
  base::StdoutWriter out;
  return timeclient::RunHorolan(args, platform, out);
}
