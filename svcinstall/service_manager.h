#pragma once
// What the installer needs from the service control manager, and the one file-system call that
// completes a program location: one method per platform call, named after it, with plain values.
// Handles are base::PlatformHandle; kNoHandle stands for a failed call.
#include <cstdint>
#include <optional>
#include <string>

#include "base/platform_handle.h"

namespace svcinstall {

using ScHandle = base::PlatformHandle;
using base::kNoHandle;

struct ServiceManager {
  virtual ~ServiceManager() = default;
  // The local machine's active database with all access; kNoHandle on failure.
  virtual ScHandle OpenSCManagerA() = 0;
  // An own-process, demand-start service with normal error control, running as the local
  // system account, with `name` also as its display name and `location` stored as given;
  // kNoHandle on failure.
  virtual ScHandle CreateServiceA(ScHandle manager, const std::string& name,
                                  const std::string& location) = 0;
  // The named service with all access; kNoHandle on failure.
  virtual ScHandle OpenServiceA(ScHandle manager, const std::string& name) = 0;
  // Marks the service for deletion; false on failure.
  virtual bool DeleteService(ScHandle service) = 0;
  virtual void CloseServiceHandle(ScHandle handle) = 0;
  // `path` made absolute from the current folder; nothing on failure.
  virtual std::optional<std::string> GetFullPathNameA(const std::string& path) = 0;
  // The code of the last failed call.
  virtual std::uint32_t GetLastError() = 0;
};

}  // namespace svcinstall
