#include "base/win32/mailslot_io.h"

#include "base/win32/scoped_handle.h"

namespace base {

PlatformHandle OpenMailslotWriter(const std::string& path) {
  return ToValue<PlatformHandle>(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                               nullptr));
}

bool WriteMailslotMessage(PlatformHandle file, std::span<const std::uint8_t> bytes) {
  DWORD written = 0;
  return ::WriteFile(ToNative<HANDLE>(file), bytes.data(), static_cast<DWORD>(bytes.size()),
                     &written, nullptr) != 0;
}

bool ReadMailslotMessage(PlatformHandle mailslot, std::span<std::uint8_t> buffer,
                         std::uint32_t& bytes_read) {
  DWORD count = 0;
  const BOOL ok = ::ReadFile(ToNative<HANDLE>(mailslot), buffer.data(),
                             static_cast<DWORD>(buffer.size()), &count, nullptr);
  bytes_read = count;
  return ok != 0;
}

bool CloseKernelObject(PlatformHandle handle) {
  return ::CloseHandle(ToNative<HANDLE>(handle)) != 0;
}

}  // namespace base
