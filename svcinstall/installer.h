#pragma once
// The `dockhand` command: `<service name> <exe location>` installs a service,
// `<service name> /r` removes one. Prints one result line (or the usage text) and returns the
// exit code: 0 when the installation or removal succeeded, 1 otherwise.
#include <string>
#include <vector>

#include "base/console_writer.h"
#include "svcinstall/service_manager.h"

namespace svcinstall {

// `args` are the arguments after the program name.
int InstallerMain(const std::vector<std::string>& args, ServiceManager& manager,
                  base::ConsoleWriter& out);

}  // namespace svcinstall
