#pragma once
// Which senders a machine may answer. An answer goes to the address the request names as its
// sender, so that address must be one machine: never a broadcast, multicast or unspecified
// address, nor this machine itself unless the request came from this machine.
#include <cstdint>
#include <span>

#include "lanmailslot/interfaces.h"

namespace lanmailslot {

// Whether `sender` (host byte order), whose datagram arrived on the interface with index
// `arrived_on` (0: unknown), is one machine that may be answered: not in 0.0.0.0/8, not
// multicast, not 255.255.255.255, not the network or broadcast address of a local subnet, and
// not loopback or one of this machine's addresses unless it arrived on a loopback interface.
bool IsAnswerableSender(std::uint32_t sender, unsigned arrived_on,
                        std::span<const LocalInterface> interfaces);

}  // namespace lanmailslot
