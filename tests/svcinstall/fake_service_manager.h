#pragma once
// Records every call to the service control manager with its arguments and answers with
// scripted results; a failed call answers 0 or false and leaves `error` for GetLastError.
#include <optional>
#include <string>
#include <vector>

#include "svcinstall/service_manager.h"

namespace svcinstall {

struct FakeServiceManager : ServiceManager {
  ScHandle manager = 11;
  ScHandle created = 22;
  ScHandle opened = 33;
  bool deletes = true;
  bool resolves = true;                            // GetFullPathNameA succeeds
  std::string current_folder = "C:\\work folder";  // what a relative path is resolved against
  std::uint32_t error = 0;                         // left by the call that fails
  std::vector<std::string> calls;

  ScHandle OpenSCManagerA() override {
    calls.push_back("OpenSCManagerA");
    return Leave(manager);
  }
  ScHandle CreateServiceA(ScHandle m, const std::string& name,
                          const std::string& location) override {
    calls.push_back("CreateServiceA " + std::to_string(m) + " [" + name + "] [" + location + "]");
    return Leave(created);
  }
  ScHandle OpenServiceA(ScHandle m, const std::string& name) override {
    calls.push_back("OpenServiceA " + std::to_string(m) + " [" + name + "]");
    return Leave(opened);
  }
  bool DeleteService(ScHandle service) override {
    calls.push_back("DeleteService " + std::to_string(service));
    return Leave(deletes);
  }
  void CloseServiceHandle(ScHandle handle) override {
    calls.push_back("CloseServiceHandle " + std::to_string(handle));
    Leave(true);
  }
  std::optional<std::string> GetFullPathNameA(const std::string& path) override {
    calls.push_back("GetFullPathNameA [" + path + "]");
    if (!Leave(resolves)) return std::nullopt;
    return current_folder + "\\" + path;
  }
  std::uint32_t GetLastError() override {
    calls.push_back("GetLastError");
    return last_error_;
  }

 private:
  std::uint32_t last_error_ = 0;

  // Every call leaves a code, a successful one a code of its own: only a read right after the
  // failed call sees `error`.
  template <typename Result>
  Result Leave(Result result) {
    last_error_ = result ? 70000 + static_cast<std::uint32_t>(calls.size()) : error;
    return result;
  }
};

}  // namespace svcinstall
