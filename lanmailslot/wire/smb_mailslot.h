#pragma once
// The SMB transaction that writes one message to a mailslot, as a datagram's user data carries
// it: a 32-byte SMB header, 17 parameter words with the three setup words (write mailslot,
// priority, class), then the mailslot name with its NUL and the message. Little-endian words.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lanmailslot::wire {

inline constexpr std::uint16_t kOpcodeWriteMailslot = 1;
inline constexpr std::uint16_t kClassUnreliable = 2;  // second class: may be broadcast

struct MailslotWrite {
  std::string mailslot_name;  // e.g. "\MAILSLOT\NTSERVER", as sent
  std::vector<std::uint8_t> data;
  friend bool operator==(const MailslotWrite&, const MailslotWrite&) = default;
};

// The SMB bytes; empty when the name holds a NUL or the message would overflow a 16-bit count.
std::vector<std::uint8_t> EncodeMailslotWrite(std::string_view mailslot_name,
                                              std::span<const std::uint8_t> data);

// The write in `smb`, or nothing unless it is a whole, unfragmented write-mailslot transaction
// whose name and message lie inside its byte area. Never reads past `smb`.
std::optional<MailslotWrite> DecodeMailslotWrite(std::span<const std::uint8_t> smb);

}  // namespace lanmailslot::wire
