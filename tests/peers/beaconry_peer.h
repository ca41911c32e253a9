#pragma once
// What the peers that talk to beaconry share: this machine's client mailslot, sending one
// message to the local server mailslot, and waiting for one reply with a bound.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace peers {

using Bytes = std::vector<std::uint8_t>;

// \\.\mailslot\ntclient, whose reads wait at most `read_timeout_ms`; prints why on failure.
HANDLE CreateClientMailslot(DWORD read_timeout_ms);

// The computer name, as beaconry and horolan read it.
std::string ComputerName();

// An open handle to \\.\mailslot\ntserver, or INVALID_HANDLE_VALUE.
HANDLE OpenServerMailslot();

// One message; the platform's error code, 0 when it was written whole.
DWORD Send(HANDLE server, const Bytes& message);

// The next message, or nothing once the mailslot's read time-out passed.
std::optional<Bytes> Receive(HANDLE client);

// Milliseconds from a steady clock, for bounds and measurements.
double NowMs();

}  // namespace peers
