#include "beaconry_peer.h"

#include <cstdio>

#include "timeproto/time_messages.h"

namespace peers {

HANDLE CreateClientMailslot(DWORD read_timeout_ms) {
  HANDLE slot = CreateMailslotA(timeproto::kClientMailslot, timeproto::kMaxMessageSize,
                                read_timeout_ms, nullptr);
  if (slot == INVALID_HANDLE_VALUE) {
    std::printf("cannot create the client mailslot: %lu\n", GetLastError());
  }
  return slot;
}

std::string ComputerName() {
  char name[16] = {};
  DWORD size = sizeof name;
  return GetComputerNameA(name, &size) ? name : "";
}

HANDLE OpenServerMailslot() {
  return CreateFileA(timeproto::kServerMailslot, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

DWORD Send(HANDLE server, const Bytes& message) {
  DWORD written = 0;
  if (!WriteFile(server, message.data(), static_cast<DWORD>(message.size()), &written, nullptr)) {
    return GetLastError();
  }
  return written == message.size() ? 0 : ERROR_MORE_DATA;
}

std::optional<Bytes> Receive(HANDLE client) {
  Bytes buffer(timeproto::kMaxMessageSize);
  DWORD read = 0;
  if (!ReadFile(client, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
    return std::nullopt;
  }
  buffer.resize(read);
  return buffer;
}

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace peers
