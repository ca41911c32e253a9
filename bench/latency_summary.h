// The summary line of a latency run, one format for every probe so that their runs compare.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <span>

namespace bench {

// Sorts the latencies (ms) of the answered requests and prints their median, 99th percentile
// and maximum beside the number of requests sent. False, after saying so, when none was answered.
inline bool PrintLatencySummary(long requests, std::span<double> latencies) {
  if (latencies.empty()) {
    std::printf("no answers\n");
    return false;
  }
  std::sort(latencies.begin(), latencies.end());
  const auto at = [&](double share) {
    return latencies[static_cast<std::size_t>(share * static_cast<double>(latencies.size() - 1))];
  };
  std::printf("requests=%ld answered=%zu median=%.3f ms p99=%.3f ms max=%.3f ms\n", requests,
              latencies.size(), at(0.5), at(0.99), latencies.back());
  return true;
}

}  // namespace bench
