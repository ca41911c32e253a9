// The time service's own cost per request, over a platform whose calls do nothing: a valid
// request answered, a rejected one dropped, and an answer to this machine's own name that
// needs the second open. The cost of Wine's mailslots is measured by latency_probe and flood.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "timeserver/platform.h"
#include "timeserver/time_service.h"

namespace {

using timeserver::Handle;

// Answers every call at once; every read yields `message`.
struct NullPlatform final : timeserver::ServiceHost,
                            timeserver::SecurityDescriptors,
                            timeserver::Mailslots,
                            timeserver::EventLog,
                            timeserver::LocalClock {
  timeproto::TimeRequest message = timeproto::BuildTimeRequest("CLIENT");
  bool network_path_opens = true;
  std::recursive_mutex lock;

  bool StartServiceCtrlDispatcherA(const std::string&, std::function<void()>) override {
    return true;
  }
  Handle RegisterServiceCtrlHandlerA(const std::string&,
                                     std::function<void(std::uint32_t)>) override {
    return 1;
  }
  bool SetServiceStatus(Handle, const timeserver::ServiceStatus&) override { return true; }
  Handle CreateEventA(bool, bool) override { return 1; }
  void SetEvent(Handle) override {}
  void ResetEvent(Handle) override {}
  void WaitForSingleObject(Handle, std::uint32_t) override {}
  void CloseHandle(Handle) override {}
  Handle CreateThread(std::function<void()>) override { return 1; }
  std::uint32_t GetLastError() override { return 0; }
  // A real lock: the worker takes it for every answer.
  void EnterCriticalSection() override { lock.lock(); }
  void LeaveCriticalSection() override { lock.unlock(); }
  void ExitProcess(std::uint32_t exit_code) override { std::exit(static_cast<int>(exit_code)); }
  Handle LocalAlloc(std::uint32_t) override { return 1; }
  bool InitializeSecurityDescriptor(Handle, std::uint32_t) override { return true; }
  bool SetSecurityDescriptorDacl(Handle, bool, bool) override { return true; }
  void LocalFree(Handle) override {}
  Handle CreateMailslotA(const std::string&, std::uint32_t, std::uint32_t, Handle, bool) override {
    return 1;
  }
  bool ReadFile(Handle, std::span<std::uint8_t> buffer, std::uint32_t& bytes_read) override {
    std::copy(message.begin(), message.end(), buffer.begin());
    bytes_read = static_cast<std::uint32_t>(message.size());
    return true;
  }
  Handle CreateFileA(const std::string& path) override {
    return network_path_opens || path[2] == '.' ? 1 : timeserver::kInvalidHandle;
  }
  bool WriteFile(Handle, std::span<const std::uint8_t> bytes) override {
    benchmark::DoNotOptimize(bytes.data());
    return true;
  }
  Handle RegisterEventSourceA(const std::string&) override { return 1; }
  void ReportEventA(Handle, std::uint16_t, std::uint16_t, std::uint32_t,
                    const std::vector<std::string>&) override {}
  void DeregisterEventSource(Handle) override {}
  Handle RegCreateKeyExA(const std::string&, bool& created) override {
    created = false;
    return 1;
  }
  bool RegSetValueExA(Handle, const std::string&, const std::string&) override { return true; }
  bool RegSetValueExA(Handle, const std::string&, std::uint32_t) override { return true; }
  void RegCloseKey(Handle) override {}
  std::optional<std::string> GetModuleFileNameA() override { return "beaconry.exe"; }
  timeproto::TimeField GetLocalTime() override { return {1993, 11, 0, 7, 13, 54, 49, 257}; }
  std::optional<std::string> GetComputerNameA() override { return "SERVER"; }
};

void ServeRepeatedly(benchmark::State& state, NullPlatform& platform) {
  timeserver::TimeService service({platform, platform, platform, platform, platform});
  service.ServiceStart();  // runs through at once: the stop event's wait returns immediately
  for (auto _ : state) service.ServeRequest();
  state.SetItemsProcessed(state.iterations());
}

void BM_ServeValidRequest(benchmark::State& state) {
  NullPlatform platform;
  ServeRepeatedly(state, platform);
}
BENCHMARK(BM_ServeValidRequest);

void BM_DropRejectedRequest(benchmark::State& state) {
  NullPlatform platform;
  platform.message[2] = 2;  // a reply's type
  ServeRepeatedly(state, platform);
}
BENCHMARK(BM_DropRejectedRequest);

void BM_ServeOwnNameThroughLocalPath(benchmark::State& state) {
  NullPlatform platform;
  platform.message = timeproto::BuildTimeRequest("server");
  platform.network_path_opens = false;
  ServeRepeatedly(state, platform);
}
BENCHMARK(BM_ServeOwnNameThroughLocalPath);

}  // namespace

BENCHMARK_MAIN();
