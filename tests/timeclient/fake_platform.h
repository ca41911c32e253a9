#pragma once
// One fake machine behind all of the client's seams: it logs every call with its arguments,
// fails the calls a test names with the error code given, and delivers scripted messages to the
// client mailslot. Every call leaves a last-error code of its own, so only a read right after a
// failed call sees that call's code. Sleeping only logs; the clock is only ever set here.
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "timeclient/client_platform.h"

namespace timeclient {

struct FakePlatform : Mailslots, ComputerName, Sleeper, Privileges, LocalClock {
  static constexpr Handle kClientMailslot = 11;
  static constexpr Handle kServerHandle = 22;
  static constexpr Handle kToken = 33;

  std::vector<std::string> calls;
  std::map<std::string, std::int32_t> failures;  // call name -> error code it leaves
  std::string computer_name = "PC1";
  std::int32_t adjust_error = 0;  // left by AdjustTokenPrivileges
  PrivilegeId privilege{20, 0};
  // Messages become visible in the client mailslot from this GetMailslotInfo call on (1-based).
  int visible_from_poll = 1;
  std::deque<std::vector<std::uint8_t>> inbox;
  std::uint32_t reported_next_size = 0;  // when not 0, reported instead of the real size
  std::vector<std::vector<std::uint8_t>> written;
  std::vector<timeproto::TimeField> clock_set_to;

  ClientPlatform Platform() { return {*this, *this, *this, *this, *this}; }

  Handle CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                         std::uint32_t read_timeout) override {
    Log("CreateMailslotA " + name + " " + std::to_string(max_message_size) + " " +
        std::to_string(read_timeout));
    return Fails("CreateMailslotA") ? kInvalidHandle : kClientMailslot;
  }
  Handle CreateFileA(const std::string& path) override {
    Log("CreateFileA " + path);
    return Fails("CreateFileA") ? kInvalidHandle : kServerHandle;
  }
  bool WriteFile(Handle file, std::span<const std::uint8_t> bytes) override {
    Log("WriteFile " + std::to_string(file) + " " + std::to_string(bytes.size()));
    written.emplace_back(bytes.begin(), bytes.end());
    return !Fails("WriteFile");
  }
  // Both the mailslots' and the token's.
  bool CloseHandle(Handle handle) override {
    Log("CloseHandle " + std::to_string(handle));
    return !(handle == kServerHandle && Fails("CloseHandle"));
  }
  bool GetMailslotInfo(Handle mailslot, MailslotInfo& info) override {
    Log("GetMailslotInfo " + std::to_string(mailslot));
    if (Fails("GetMailslotInfo")) return false;
    ++polls;
    const bool visible = polls >= visible_from_poll && !inbox.empty();
    info.message_count = visible ? static_cast<std::uint32_t>(inbox.size()) : 0;
    info.next_size = !visible             ? 0xFFFFFFFF
                     : reported_next_size ? reported_next_size
                                          : static_cast<std::uint32_t>(inbox.front().size());
    return true;
  }
  bool ReadFile(Handle mailslot, std::span<std::uint8_t> buffer,
                std::uint32_t& bytes_read) override {
    Log("ReadFile " + std::to_string(mailslot) + " " + std::to_string(buffer.size()));
    if (Fails("ReadFile") || inbox.empty() || inbox.front().size() > buffer.size()) return false;
    std::copy(inbox.front().begin(), inbox.front().end(), buffer.begin());
    bytes_read = static_cast<std::uint32_t>(inbox.front().size());
    inbox.pop_front();
    return true;
  }
  std::optional<std::string> GetComputerNameA() override {
    Log("GetComputerNameA");
    if (Fails("GetComputerNameA")) return std::nullopt;
    return computer_name;
  }
  void Sleep(std::uint32_t milliseconds) override { Log("Sleep " + std::to_string(milliseconds)); }
  std::optional<Handle> OpenProcessToken() override {
    Log("OpenProcessToken");
    if (Fails("OpenProcessToken")) return std::nullopt;
    return kToken;
  }
  PrivilegeId LookupPrivilegeValueA(const std::string& name) override {
    Log("LookupPrivilegeValueA " + name);
    return privilege;
  }
  void AdjustTokenPrivileges(Handle token, PrivilegeId id, std::uint32_t attributes) override {
    Log("AdjustTokenPrivileges " + std::to_string(token) + " " + std::to_string(id.low_part) + " " +
        std::to_string(attributes));
    last_error = adjust_error;
  }
  bool SetLocalTime(const timeproto::TimeField& time) override {
    Log("SetLocalTime");
    if (Fails("SetLocalTime")) return false;
    clock_set_to.push_back(time);
    return true;
  }
  std::int32_t GetLastError() override { return last_error; }

 private:
  int polls = 0;
  std::int32_t last_error = 0;

  void Log(std::string call) {
    calls.push_back(std::move(call));
    last_error = 70000 + static_cast<std::int32_t>(calls.size());
  }
  bool Fails(const std::string& call) {
    auto failure = failures.find(call);
    if (failure == failures.end()) return false;
    last_error = failure->second;
    return true;
  }
};

}  // namespace timeclient
