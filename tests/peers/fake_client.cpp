// A client of beaconry that checks the raw 40 bytes of its answer.
//   fake_client bad    sends every kind of request beaconry must drop, then one valid request:
//                      exactly one reply must come. Every request names this machine, so that
//                      a wrongly answered one would arrive here too.
//   fake_client held   sends one valid request, prints "sent", and waits up to 15 s for the
//                      answer (for a paused service: continue it meanwhile); prints how long
//                      the answer took and how much later than the request its time is.
// Exit code 0 when all is as expected; each finding is printed.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "base/byte_order.h"
#include "base/win32/scoped_handle.h"
#include "beaconry_peer.h"
#include "timeproto/time_messages.h"

namespace {

using peers::Bytes;

constexpr DWORD kReadTimeoutMs = 1000;
constexpr int kReplyWaitReads = 15;  // reads of kReadTimeoutMs for an answer

int failures = 0;

void Fail(const char* what) {
  std::printf("FAIL: %s\n", what);
  ++failures;
}

Bytes Request(const std::string& name) {
  const auto request = timeproto::BuildTimeRequest(name);
  return Bytes(request.begin(), request.end());
}

Bytes WithWord(Bytes message, std::size_t offset, std::uint16_t value) {
  base::PutLittle16(message, offset, value);
  return message;
}

// Longer than the mailslot takes: the write itself may be refused.
Bytes OverLong(const std::string& name, std::size_t size) {
  Bytes message = Request(name);
  message.resize(size, 'x');
  return WithWord(message, 0, static_cast<std::uint16_t>(size));
}

std::vector<std::pair<const char*, Bytes>> BadRequests(const std::string& name) {
  const Bytes valid = Request(name);
  Bytes no_nul = valid;
  for (std::size_t i = 6; i < no_nul.size(); ++i) no_nul[i] = 'A';
  Bytes short_matching(valid.begin(), valid.begin() + 12);
  short_matching[0] = 12;
  return {
      {"length word 21 for 22 bytes", WithWord(valid, 0, 21)},
      {"length word 23 for 22 bytes", WithWord(valid, 0, 23)},
      {"type 2", WithWord(valid, 2, 2)},
      {"type 0", WithWord(valid, 2, 0)},
      {"name field length 17", WithWord(valid, 4, 17)},
      {"name field length 0", WithWord(valid, 4, 0)},
      {"empty", {}},
      {"one byte", {0x01}},
      {"12 bytes, length word 12", short_matching},
      {"name without NUL", no_nul},
      {"empty name", Request("")},
      {"name with a file path", Request(R"(?\C:\windows)")},
      {"name with a device path", Request(R"(.\pipe\x)")},
      {"name with a slash", Request("./")},
      {"name * (every machine)", Request("*")},
      {"the reply echoed back",
       [&] {
         const auto reply = timeproto::BuildTimeReply(name, {});
         return Bytes(reply.begin(), reply.end());
       }()},
      {"101 bytes", OverLong(name, 101)},
      {"400 bytes", OverLong(name, 400)},
  };
}

// Milliseconds from local time a to b.
double Apart(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  FILETIME fa, fb;
  SystemTimeToFileTime(&a, &fa);
  SystemTimeToFileTime(&b, &fb);
  const auto ticks = [](const FILETIME& f) {
    return static_cast<double>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) |
                               f.dwLowDateTime);
  };
  return (ticks(fb) - ticks(fa)) / 10000.0;
}

// The reply's time, once its bytes are checked.
SYSTEMTIME CheckReply(const Bytes& reply, const std::string& name, const SYSTEMTIME& now) {
  std::printf("reply (%zu bytes):", reply.size());
  for (auto byte : reply) std::printf(" %02X", byte);
  std::printf("\n");
  if (reply.size() != timeproto::kReplySize) {
    Fail("the reply is not 40 bytes");
    return now;
  }
  const Bytes head = {0x28, 0x00, 0x02, 0x00, 0x12, 0x00};
  if (!std::equal(head.begin(), head.end(), reply.begin())) Fail("wrong header or name field");
  Bytes name_bytes(16, 0);
  std::copy(name.begin(), name.end(), name_bytes.begin());
  if (!std::equal(name_bytes.begin(), name_bytes.end(), reply.begin() + 6)) {
    Fail("the name field is not this machine's name padded with zeros");
  }
  if (reply[22] != 0x12 || reply[23] != 0x00) Fail("time field length is not 18");
  const auto word = [&](std::size_t offset) { return base::GetLittle16(reply, offset); };
  SYSTEMTIME sent{word(24), word(26), word(28), word(30), word(32), word(34), word(36), word(38)};
  if (sent.wDayOfWeek != now.wDayOfWeek) Fail("day of the week differs");
  const double apart = Apart(sent, now);
  std::printf("reply time is %.0f ms before local time\n", apart);
  if (std::abs(apart) > 2000) Fail("the reply's time is more than 2 s from local time");
  return sent;
}

std::optional<Bytes> AwaitReply(HANDLE client) {
  std::optional<Bytes> reply;
  for (int i = 0; i < kReplyWaitReads && !reply; ++i) reply = peers::Receive(client);
  if (!reply) Fail("no reply to the valid request");
  return reply;
}

void SendBadThenValid(HANDLE server, HANDLE client, const std::string& name) {
  for (const auto& [what, message] : BadRequests(name)) {
    const DWORD error = peers::Send(server, message);
    std::printf("sent %s: %s %lu\n", what, error ? "refused, error" : "written", error);
  }
  if (peers::Send(server, Request(name)) != 0) Fail("the valid request was not written");
  const auto reply = AwaitReply(client);
  SYSTEMTIME now;
  GetLocalTime(&now);
  if (!reply) return;
  CheckReply(*reply, name, now);
  if (peers::Receive(client)) Fail("more than one reply");
}

void SendHeld(HANDLE server, HANDLE client, const std::string& name) {
  SYSTEMTIME sent_at;
  GetLocalTime(&sent_at);
  const double start = peers::NowMs();
  if (peers::Send(server, Request(name)) != 0) Fail("the request was not written");
  std::printf("sent\n");
  std::fflush(stdout);
  const auto reply = AwaitReply(client);
  SYSTEMTIME now;
  GetLocalTime(&now);
  if (!reply) return;
  std::printf("answered after %.0f ms\n", peers::NowMs() - start);
  const SYSTEMTIME reply_time = CheckReply(*reply, name, now);
  std::printf("reply time is %.0f ms after the request\n", Apart(sent_at, reply_time));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "bad";
  if (mode != "bad" && mode != "held") {
    std::printf("usage: fake_client [bad|held]\n");
    return 1;
  }
  const base::ScopedKernelHandle client(peers::CreateClientMailslot(kReadTimeoutMs));
  const base::ScopedKernelHandle server(peers::OpenServerMailslot());
  if (!client.IsValid() || !server.IsValid()) {
    std::printf("no mailslots: server open error %lu\n", GetLastError());
    return 1;
  }
  const std::string name = peers::ComputerName();
  if (mode == "bad") {
    SendBadThenValid(server.Get(), client.Get(), name);
  } else {
    SendHeld(server.Get(), client.Get(), name);
  }
  std::printf("fake_client %s: %s\n", mode.c_str(), failures ? "FAILED" : "passed");
  return failures ? 1 : 0;
}
