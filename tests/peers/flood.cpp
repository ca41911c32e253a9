// A bounded flood: <count> valid requests, each followed by a bad one, written to beaconry as
// fast as the mailslot takes them, while a second thread counts the answers. A write the
// mailslot refuses is retried after a pause, so every request gets in.
//   flood [count]   (10000 by default)
// Prints the counts and the rate; exit code 0 when every valid request was answered, once.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/win32/scoped_handle.h"
#include "beaconry_peer.h"
#include "timeproto/time_messages.h"

namespace {

using peers::Bytes;

constexpr double kIdleLimitMs = 10000;    // no answer for this long: the rest are lost
constexpr double kTotalLimitMs = 240000;  // the whole run, whatever happens
constexpr int kMaxRetries = 1000;

std::atomic<long> answered{0};
std::atomic<long> odd{0};
std::atomic<bool> sending_done{false};

struct Counting {
  HANDLE client;
  long expected_at_most;
  std::atomic<long> valid_written{0};
};

DWORD WINAPI CountAnswers(LPVOID parameter) {
  const auto& counting = *static_cast<const Counting*>(parameter);
  double last = peers::NowMs();
  const double start = last;
  while (peers::NowMs() - start < kTotalLimitMs) {
    if (auto reply = peers::Receive(counting.client)) {
      const auto check = timeproto::CheckTimeReply(*reply);
      (check.status == timeproto::ReplyStatus::ReplyOk ? answered : odd)++;
      last = peers::NowMs();
      if (answered + odd >= counting.expected_at_most) break;
    } else if (sending_done && answered + odd >= counting.valid_written) {
      break;
    } else if (peers::NowMs() - last > kIdleLimitMs) {
      break;
    }
  }
  return 0;
}

// Writes `message`, retrying while the mailslot refuses it; false if it never got in.
bool SendWithRetry(HANDLE server, const Bytes& message, long& retries) {
  for (int attempt = 0; attempt < kMaxRetries; ++attempt) {
    if (peers::Send(server, message) == 0) return true;
    ++retries;
    Sleep(1);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
  const base::ScopedKernelHandle client(peers::CreateClientMailslot(500));
  const base::ScopedKernelHandle server(peers::OpenServerMailslot());
  if (!client.IsValid() || !server.IsValid()) {
    std::printf("no mailslots: server open error %lu\n", GetLastError());
    return 1;
  }
  const auto request = timeproto::BuildTimeRequest(peers::ComputerName());
  const Bytes valid(request.begin(), request.end());
  const Bytes bad[] = {Bytes(valid.begin(), valid.begin() + 7), Bytes(valid.size(), 0xFF),
                       Bytes(valid.begin(), valid.end() - 1)};
  Counting counting{client.Get(), count};
  std::atomic<long>& valid_written = counting.valid_written;
  long bad_written = 0, retries = 0, lost = 0;

  const double start = peers::NowMs();
  const base::ScopedKernelHandle counter(
      CreateThread(nullptr, 0, CountAnswers, &counting, 0, nullptr));
  if (!counter.IsValid()) {
    std::printf("no counting thread: error %lu\n", GetLastError());
    return 1;
  }
  for (long i = 0; i < count; ++i) {
    if (SendWithRetry(server.Get(), valid, retries)) {
      ++valid_written;
    } else {
      ++lost;
    }
    bad_written += SendWithRetry(server.Get(), bad[i % 3], retries) ? 1 : 0;
  }
  const double sent_ms = peers::NowMs() - start;
  sending_done = true;
  WaitForSingleObject(counter.Get(), INFINITE);
  const double total_ms = peers::NowMs() - start;

  std::printf("valid written=%ld bad written=%ld not written=%ld retries=%ld\n",
              valid_written.load(), bad_written, lost, retries);
  std::printf("answered=%ld other messages=%ld\n", answered.load(), odd.load());
  std::printf("sent in %.0f ms, all answered in %.0f ms: %.0f answers/s\n", sent_ms, total_ms,
              1000.0 * static_cast<double>(answered) / total_ms);
  const bool ok = lost == 0 && answered == valid_written && odd == 0;
  std::printf("flood: %s\n", ok ? "every valid request answered" : "FAILED");
  return ok ? 0 : 1;
}
