#pragma once
// The mailslot calls that the time client and the time service make alike, forwarded once:
// opening a mailslot to write to it, writing and reading one message, closing a handle.
#include <cstdint>
#include <span>
#include <string>

#include "base/platform_handle.h"

namespace base {

// CreateFileA with GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING and FILE_ATTRIBUTE_NORMAL;
// kInvalidHandle on failure.
PlatformHandle OpenMailslotWriter(const std::string& path);
// All of `bytes` as one message; false on failure.
bool WriteMailslotMessage(PlatformHandle file, std::span<const std::uint8_t> bytes);
// One message of at most buffer.size() bytes; false on failure.
bool ReadMailslotMessage(PlatformHandle mailslot, std::span<std::uint8_t> buffer,
                         std::uint32_t& bytes_read);
// CloseHandle; false on failure.
bool CloseKernelObject(PlatformHandle handle);

}  // namespace base
