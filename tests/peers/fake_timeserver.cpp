// A stand-in time-server for testing horolan: it takes the server mailslot, reads one request
// and answers with the reply chosen on its command line, written to the local client mailslot
// (under Wine, \\<computer>\ paths do not reach this machine).
//   fake_timeserver <length|type|srv1993|ms5|ms999|day7|badname|oemname|silent|holdclient>
// Prints "ready" once its mailslot exists. Exit code 0 when it did what the mode says.
// holdclient holds the client mailslot until its standard input ends.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/win32/scoped_handle.h"
#include "timeproto/time_messages.h"

namespace {

constexpr DWORD kReadTimeoutMs = 15000;  // never waits forever for a client that does not come
constexpr timeproto::TimeField kSrvTime{1993, 11, 0, 7, 13, 54, 49, 257};

std::vector<std::uint8_t> ReplyBytes(std::string_view name, const timeproto::TimeField& time) {
  const timeproto::TimeReply reply = timeproto::BuildTimeReply(name, time);
  return {reply.begin(), reply.end()};
}

// The crafted answer to `request` for `mode`; empty for an unknown mode.
std::vector<std::uint8_t> CraftReply(const std::string& mode,
                                     const std::vector<std::uint8_t>& request) {
  timeproto::TimeField time = kSrvTime;
  if (mode == "length") {
    auto reply = ReplyBytes("SRV", time);
    reply[0] = 41;  // one more than is sent
    return reply;
  }
  if (mode == "type") return request;  // the request echoed back
  if (mode == "badname") return ReplyBytes("\x1b[2J\x07X", time);
  if (mode == "oemname") return ReplyBytes("M\x9aLLER", time);  // U umlaut in code page 437
  if (mode == "ms5") time.wMilliseconds = 5;
  if (mode == "ms999") time.wMilliseconds = 999;
  if (mode == "day7") time.wDayOfWeek = 7;
  if (mode == "srv1993" || mode == "ms5" || mode == "ms999" || mode == "day7") {
    return ReplyBytes("SRV", time);
  }
  return {};
}

HANDLE CreateAndAnnounce(const char* name) {
  HANDLE slot = CreateMailslotA(name, timeproto::kMaxMessageSize, kReadTimeoutMs, nullptr);
  if (slot == INVALID_HANDLE_VALUE) {
    std::printf("cannot create %s: %lu\n", name, GetLastError());
    return slot;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  return slot;
}

// One request, checked; empty when none came in time or it was not a valid request.
std::vector<std::uint8_t> ReadRequest(HANDLE slot) {
  std::vector<std::uint8_t> buffer(timeproto::kMaxMessageSize);
  DWORD read = 0;
  if (!ReadFile(slot, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
    return {};
  }
  buffer.resize(read);
  if (!timeproto::CheckTimeRequest(buffer)) {
    std::printf("invalid request of %lu bytes\n", read);
    return {};
  }
  return buffer;
}

bool WriteReply(const std::vector<std::uint8_t>& reply) {
  const base::ScopedKernelHandle client(CreateFileA(timeproto::kClientMailslot, GENERIC_WRITE,
                                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!client.IsValid()) {
    std::printf("cannot open the client mailslot: %lu\n", GetLastError());
    return false;
  }
  DWORD written = 0;
  const BOOL ok =
      WriteFile(client.Get(), reply.data(), static_cast<DWORD>(reply.size()), &written, nullptr);
  return ok && written == reply.size();
}

// Reads requests without answering until none comes in time; prints how many came.
int StaySilent(HANDLE slot) {
  int requests = 0;
  while (!ReadRequest(slot).empty()) {
    ++requests;
    // The client's last poll ends 600 ms after its third request; none comes after that.
    if (requests == 3) SetMailslotInfo(slot, 3000);
  }
  std::printf("requests: %d\n", requests);
  return requests == 3 ? 0 : 1;
}

int Answer(HANDLE slot, const std::string& mode) {
  const std::vector<std::uint8_t> request = ReadRequest(slot);
  if (request.empty()) return 1;
  const std::vector<std::uint8_t> reply = CraftReply(mode, request);
  if (reply.empty()) {
    std::printf("unknown mode %s\n", mode.c_str());
    return 1;
  }
  return WriteReply(reply) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  // Holding the client's own mailslot makes the next client fail to create it.
  const bool hold_client = mode == "holdclient";
  const base::ScopedKernelHandle slot(
      CreateAndAnnounce(hold_client ? timeproto::kClientMailslot : timeproto::kServerMailslot));
  if (!slot.IsValid()) return 1;
  if (hold_client) {
    while (std::fgetc(stdin) != EOF) {
    }
    return 0;
  }
  return mode == "silent" ? StaySilent(slot.Get()) : Answer(slot.Get(), mode);
}
