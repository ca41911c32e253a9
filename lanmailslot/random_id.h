#pragma once
// Numbers that tell one run's packets from the last run's: datagram and transaction ids.
#include <cstdint>

namespace lanmailslot {

// From the kernel's random source; without it, the clock and the process id, which differ per
// run.
std::uint16_t RandomId();

}  // namespace lanmailslot
