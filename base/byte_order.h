// Numbers in byte buffers in a stated byte order, whatever the machine's own. The caller has
// checked that the bytes reach past offset + the number's size: these check no bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace base {

inline void PutLittle16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<std::uint8_t>(value);
  bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutLittle32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
  PutLittle16(bytes, offset, static_cast<std::uint16_t>(value));
  PutLittle16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

// Appends at the end of a growing file.
inline void AppendLittle16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void AppendLittle32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  AppendLittle16(bytes, static_cast<std::uint16_t>(value));
  AppendLittle16(bytes, static_cast<std::uint16_t>(value >> 16));
}

inline std::uint16_t GetLittle16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

inline void PutBig16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<std::uint8_t>(value >> 8);
  bytes[offset + 1] = static_cast<std::uint8_t>(value);
}

inline void PutBig32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
  PutBig16(bytes, offset, static_cast<std::uint16_t>(value >> 16));
  PutBig16(bytes, offset + 2, static_cast<std::uint16_t>(value));
}

inline void AppendBig16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
  bytes.push_back(static_cast<std::uint8_t>(value));
}

inline void AppendBig32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  AppendBig16(bytes, static_cast<std::uint16_t>(value >> 16));
  AppendBig16(bytes, static_cast<std::uint16_t>(value));
}

inline std::uint16_t GetBig16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] << 8 | bytes[offset + 1]);
}

inline std::uint32_t GetBig32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return std::uint32_t{GetBig16(bytes, offset)} << 16 | GetBig16(bytes, offset + 2);
}

}  // namespace base
