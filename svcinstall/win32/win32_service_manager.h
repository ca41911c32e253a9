#pragma once
// The service control manager of the local machine, through advapi32, and kernel32's path call.
#include "svcinstall/service_manager.h"

namespace svcinstall {

struct Win32ServiceManager final : ServiceManager {
  ScHandle OpenSCManagerA() override;
  ScHandle CreateServiceA(ScHandle manager, const std::string& name,
                          const std::string& location) override;
  ScHandle OpenServiceA(ScHandle manager, const std::string& name) override;
  bool DeleteService(ScHandle service) override;
  void CloseServiceHandle(ScHandle handle) override;
  std::optional<std::string> GetFullPathNameA(const std::string& path) override;
  std::uint32_t GetLastError() override;
};

}  // namespace svcinstall
