#include "timeclient/client_texts.h"

namespace timeclient {

void PrintBanner(base::ConsoleWriter& out) {
  out.Write("Horolan - Horolan-Client              Version 1.0            11/06/93\n");
  out.Write("Asks a time-server for its date and time, and can set this machine's clock.\n");
  out.Write("\n");
}

void PrintUsage(base::ConsoleWriter& out) {
  static constexpr const char* kLines[] = {
      "Usage: HOROLAN [<computer_name>|<domain_name>] [/S] [/?]\n\n",
      "Where:\n",
      "    <computer_name>\n",
      "         Name of a specific machine acting as a time-server in the network from\n",
      "         which to get the time\n",
      "    <domain_name>\n",
      "         Name of a domain or workgroup in the network with at least one machine\n",
      "         in it acting as a time-server from which to get the time\n",
      "    /S\n",
      "         Sets the time of the local machine to the time received from the time\n",
      "         server\n",
      "    /?\n",
      "         Display this info\n\n",
  };
  for (const char* line : kLines) out.Write(line);
}

}  // namespace timeclient
