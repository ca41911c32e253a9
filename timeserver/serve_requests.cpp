#include <algorithm>

#include "base/ascii_case.h"
#include "timeserver/service_codes.h"
#include "timeserver/time_service.h"

namespace timeserver {
namespace {

// A requester name is put into a path, so it must name a machine and nothing local.
bool IsComputerName(std::string_view name) {
  return !name.empty() && timeproto::CanNameMailslotHost(name);
}

}  // namespace

void TimeService::ServeRequests() {
  for (;;) ServeRequest();
}

void TimeService::ServeRequest() {
  std::uint32_t received = 0;
  if (!platform_.mailslots.ReadFile(server_mailslot_, receive_buffer_, received)) return;
  // Held here while paused: the request waits, and is answered with the time read after it. A
  // pause may come between the gate and the lock, so the state is looked at again under it.
  for (;;) {
    platform_.host.WaitForSingleObject(run_gate_, kInfinite);
    Locked locked(platform_.host);
    if (status_.dwCurrentState != kServicePaused) {
      Answer(received);
      return;
    }
  }
}

void TimeService::Answer(std::size_t received) {
  const std::size_t size = std::min(received, receive_buffer_.size());
  const auto requester = timeproto::CheckTimeRequest({receive_buffer_.data(), size});
  if (!requester || !IsComputerName(*requester)) return;
  const Handle reply_file = OpenReplyMailslot(*requester);
  if (reply_file == kInvalidHandle) return;  // that reply is lost; the next request is served
  const timeproto::TimeReply reply =
      timeproto::BuildTimeReply(computer_name_, platform_.clock.GetLocalTime());
  platform_.mailslots.WriteFile(reply_file, reply);
  platform_.mailslots.CloseHandle(reply_file);
}

// Where remote mailslot paths are unavailable, this machine's own name cannot be reached by
// the network path, but its client mailslot is still there under the local name.
Handle TimeService::OpenReplyMailslot(const std::string& requester) {
  auto& mailslots = platform_.mailslots;
  const Handle file = mailslots.CreateFileA(timeproto::ClientPath(requester));
  if (file != kInvalidHandle || !base::EqualIgnoringCase(requester, computer_name_)) {
    return file;
  }
  return mailslots.CreateFileA(timeproto::kClientMailslot);
}

}  // namespace timeserver
