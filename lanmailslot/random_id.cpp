#include "lanmailslot/random_id.h"

#include <sys/random.h>
#include <unistd.h>

#include <chrono>

namespace lanmailslot {

std::uint16_t RandomId() {
  std::uint16_t id = 0;
  if (getrandom(&id, sizeof id, GRND_NONBLOCK) == sizeof id) return id;
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::uint16_t>(ticks ^ (ticks >> 16) ^ getpid());
}

}  // namespace lanmailslot
