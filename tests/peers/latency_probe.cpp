// Measures beaconry's request-to-answer latency: sends one valid request at a time and waits
// for its answer, <count> times, then prints the median, the 99th percentile and the maximum.
//   latency_probe [count]   (2000 by default)
// Exit code 0 when every request was answered.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/win32/scoped_handle.h"
#include "beaconry_peer.h"
#include "bench/latency_summary.h"
#include "timeproto/time_messages.h"

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 2000;
  const base::ScopedKernelHandle client(peers::CreateClientMailslot(2000));
  const base::ScopedKernelHandle server(peers::OpenServerMailslot());
  if (!client.IsValid() || !server.IsValid() || count < 1) {
    std::printf("no mailslots: server open error %lu\n", GetLastError());
    return 1;
  }
  const auto request = timeproto::BuildTimeRequest(peers::ComputerName());
  const peers::Bytes valid(request.begin(), request.end());
  std::vector<double> latencies;
  long unanswered = 0;
  for (long i = 0; i < count; ++i) {
    const double start = peers::NowMs();
    if (peers::Send(server.Get(), valid) != 0 || !peers::Receive(client.Get())) {
      ++unanswered;
      continue;
    }
    latencies.push_back(peers::NowMs() - start);
  }
  if (!bench::PrintLatencySummary(count, latencies)) return 1;
  return unanswered == 0 ? 0 : 1;
}
