#pragma once
// Records every call to the service control manager with its arguments and answers with
// scripted results; a failed call answers 0 or false and leaves `last_error` for GetLastError.
#include <string>
#include <vector>

#include "svcinstall/service_manager.h"

namespace svcinstall {

struct FakeServiceManager : ServiceManager {
  ScHandle manager = 11;
  ScHandle created = 22;
  ScHandle opened = 33;
  bool deletes = true;
  std::uint32_t last_error = 0;
  std::vector<std::string> calls;

  ScHandle OpenSCManagerA() override {
    calls.push_back("OpenSCManagerA");
    return manager;
  }
  ScHandle CreateServiceA(ScHandle m, const std::string& name,
                          const std::string& location) override {
    calls.push_back("CreateServiceA " + std::to_string(m) + " [" + name + "] [" + location + "]");
    return created;
  }
  ScHandle OpenServiceA(ScHandle m, const std::string& name) override {
    calls.push_back("OpenServiceA " + std::to_string(m) + " [" + name + "]");
    return opened;
  }
  bool DeleteService(ScHandle service) override {
    calls.push_back("DeleteService " + std::to_string(service));
    return deletes;
  }
  void CloseServiceHandle(ScHandle handle) override {
    calls.push_back("CloseServiceHandle " + std::to_string(handle));
    last_error = 0;  // a later call may overwrite the code, as on the real system
  }
  std::uint32_t GetLastError() override {
    calls.push_back("GetLastError");
    return last_error;
  }
};

}  // namespace svcinstall
