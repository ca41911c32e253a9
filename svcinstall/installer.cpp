#include "svcinstall/installer.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string_view>

#include "svcinstall/exit_codes.h"
#include "svcinstall/image_path.h"

namespace svcinstall {
namespace {

constexpr std::string_view kUsage =
    "\nusage:\n\n"
    "       DOCKHAND <service name> <exe location>\n"
    "           to install a service, or:\n\n"
    "       DOCKHAND <service name> /r\n"
    "           to remove a service\n\n";

// The result lines keep their printf forms, field widths included.
__attribute__((format(printf, 2, 3))) void Print(base::ConsoleWriter& out, const char* format,
                                                 ...) {
  char line[128];
  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  std::size_t written = length > 0 ? static_cast<std::size_t>(length) : 0;
  out.Write(std::string_view(line, std::min(written, sizeof line - 1)));
}

// Error codes print as "%d" prints a 32-bit value.
int LastError(ServiceManager& scm) {
  return static_cast<int>(scm.GetLastError());
}

bool IsRemoveSwitch(std::string_view arg) {
  return arg.size() == 2 && arg[0] == '/' && (arg[1] == 'r' || arg[1] == 'R');
}

bool Install(ServiceManager& scm, ScHandle manager, const std::string& name,
             const std::string& location, base::ConsoleWriter& out) {
  const std::optional<std::string> image_path = ImagePath(scm, location);
  ScHandle service = image_path ? scm.CreateServiceA(manager, name, *image_path) : kNoHandle;
  if (service == kNoHandle) {
    Print(out, "Unable to create service, error code: %2d)\n", LastError(scm));
    return false;
  }
  out.Write("Service has been successfully installed!\n");
  scm.CloseServiceHandle(service);
  return true;
}

// The opened service's handle is closed too, so that nothing holds the entry once it is marked.
bool Remove(ServiceManager& scm, ScHandle manager, const std::string& name,
            base::ConsoleWriter& out) {
  ScHandle service = scm.OpenServiceA(manager, name);
  bool removed = service != kNoHandle && scm.DeleteService(service);
  if (removed) {
    out.Write("Service has been successfully removed!\n");
  } else {
    Print(out, "Unable to remove service, error code: %d\n", LastError(scm));
  }
  if (service != kNoHandle) scm.CloseServiceHandle(service);
  return removed;
}

}  // namespace

int InstallerMain(const std::vector<std::string>& args, ServiceManager& scm,
                  base::ConsoleWriter& out) {
  if (args.size() != 2) {
    out.Write(kUsage);
    return kExitFailure;
  }
  out.Write("\n");
  ScHandle manager = scm.OpenSCManagerA();
  if (manager == kNoHandle) {
    Print(out,
          "Unable to establish a connection with the service control manager, error code: %d\n",
          LastError(scm));
    return kExitFailure;
  }
  const std::string& name = args[0];
  bool done = IsRemoveSwitch(args[1]) ? Remove(scm, manager, name, out)
                                      : Install(scm, manager, name, args[1], out);
  scm.CloseServiceHandle(manager);
  return done ? kExitOk : kExitFailure;
}

}  // namespace svcinstall
