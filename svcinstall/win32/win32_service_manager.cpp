#include "svcinstall/win32/win32_service_manager.h"

#include <windows.h>

#include "base/win32/scoped_handle.h"

namespace svcinstall {

using base::ToNative;
using base::ToValue;

ScHandle Win32ServiceManager::OpenSCManagerA() {
  return ToValue<ScHandle>(::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
}

// No load-order group, tag, dependencies, account (local system) or password.
ScHandle Win32ServiceManager::CreateServiceA(ScHandle manager, const std::string& name,
                                             const std::string& location) {
  return ToValue<ScHandle>(
      ::CreateServiceA(ToNative<SC_HANDLE>(manager), name.c_str(), name.c_str(), SERVICE_ALL_ACCESS,
                       SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                       location.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
}

ScHandle Win32ServiceManager::OpenServiceA(ScHandle manager, const std::string& name) {
  return ToValue<ScHandle>(
      ::OpenServiceA(ToNative<SC_HANDLE>(manager), name.c_str(), SERVICE_ALL_ACCESS));
}

bool Win32ServiceManager::DeleteService(ScHandle service) {
  return ::DeleteService(ToNative<SC_HANDLE>(service)) != 0;
}

void Win32ServiceManager::CloseServiceHandle(ScHandle handle) {
  ::CloseServiceHandle(ToNative<SC_HANDLE>(handle));
}

// Asks for the size first: the current folder may be longer than MAX_PATH.
std::optional<std::string> Win32ServiceManager::GetFullPathNameA(const std::string& path) {
  const DWORD needed = ::GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return std::nullopt;
  std::string full(needed, '\0');
  const DWORD length = ::GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return std::nullopt;
  full.resize(length);
  return full;
}

std::uint32_t Win32ServiceManager::GetLastError() {
  return ::GetLastError();
}

}  // namespace svcinstall
