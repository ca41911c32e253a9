#include "svcinstall/win32/win32_service_manager.h"

#include <windows.h>

namespace svcinstall {
namespace {

ScHandle ToValue(SC_HANDLE handle) {
  return reinterpret_cast<ScHandle>(handle);
}
SC_HANDLE ToHandle(ScHandle value) {
  return reinterpret_cast<SC_HANDLE>(value);
}

}  // namespace

ScHandle Win32ServiceManager::OpenSCManagerA() {
  return ToValue(::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
}

// No load-order group, tag, dependencies, account (local system) or password.
ScHandle Win32ServiceManager::CreateServiceA(ScHandle manager, const std::string& name,
                                             const std::string& location) {
  return ToValue(::CreateServiceA(ToHandle(manager), name.c_str(), name.c_str(), SERVICE_ALL_ACCESS,
                                  SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START,
                                  SERVICE_ERROR_NORMAL, location.c_str(), nullptr, nullptr, nullptr,
                                  nullptr, nullptr));
}

ScHandle Win32ServiceManager::OpenServiceA(ScHandle manager, const std::string& name) {
  return ToValue(::OpenServiceA(ToHandle(manager), name.c_str(), SERVICE_ALL_ACCESS));
}

bool Win32ServiceManager::DeleteService(ScHandle service) {
  return ::DeleteService(ToHandle(service)) != 0;
}

void Win32ServiceManager::CloseServiceHandle(ScHandle handle) {
  ::CloseServiceHandle(ToHandle(handle));
}

std::uint32_t Win32ServiceManager::GetLastError() {
  return ::GetLastError();
}

}  // namespace svcinstall
