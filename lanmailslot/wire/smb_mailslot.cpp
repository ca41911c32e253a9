#include "lanmailslot/wire/smb_mailslot.h"

#include <algorithm>
#include <limits>

#include "base/byte_order.h"

namespace lanmailslot::wire {
namespace {

using base::GetLittle16;
using base::PutLittle16;

constexpr std::uint8_t kCommandTransaction = 0x25;
constexpr std::uint8_t kWordCount = 17;
constexpr std::uint8_t kSetupCount = 3;
constexpr std::uint16_t kPriority = 1;
constexpr std::size_t kNameOffset = 69;  // header, word count, 17 words, byte count

// Offsets from the SMB header's first byte.
constexpr std::size_t kWordCountAt = 32;
constexpr std::size_t kTotalParameterCountAt = 33;
constexpr std::size_t kTotalDataCountAt = 35;
constexpr std::size_t kParameterCountAt = 51;
constexpr std::size_t kDataCountAt = 55;
constexpr std::size_t kDataOffsetAt = 57;
constexpr std::size_t kSetupCountAt = 59;
constexpr std::size_t kOpcodeAt = 61;
constexpr std::size_t kPriorityAt = 63;
constexpr std::size_t kClassAt = 65;
constexpr std::size_t kByteCountAt = 67;

bool IsTransactionHeader(std::span<const std::uint8_t> smb) {
  return smb[0] == 0xFF && smb[1] == 'S' && smb[2] == 'M' && smb[3] == 'B' &&
         smb[4] == kCommandTransaction;
}

}  // namespace

std::vector<std::uint8_t> EncodeMailslotWrite(std::string_view mailslot_name,
                                              std::span<const std::uint8_t> data) {
  if (mailslot_name.find('\0') != std::string_view::npos) return {};
  const std::size_t data_offset = kNameOffset + mailslot_name.size() + 1;
  const std::size_t byte_count = mailslot_name.size() + 1 + data.size();
  if (data_offset + data.size() > std::numeric_limits<std::uint16_t>::max()) return {};

  std::vector<std::uint8_t> smb(data_offset + data.size(), 0);
  smb[0] = 0xFF;
  smb[1] = 'S';
  smb[2] = 'M';
  smb[3] = 'B';
  smb[4] = kCommandTransaction;
  smb[kWordCountAt] = kWordCount;
  PutLittle16(smb, kTotalDataCountAt, data.size());
  PutLittle16(smb, kDataCountAt, data.size());
  PutLittle16(smb, kDataOffsetAt, data_offset);
  smb[kSetupCountAt] = kSetupCount;
  PutLittle16(smb, kOpcodeAt, kOpcodeWriteMailslot);
  PutLittle16(smb, kPriorityAt, kPriority);
  PutLittle16(smb, kClassAt, kClassUnreliable);
  PutLittle16(smb, kByteCountAt, byte_count);
  std::copy(mailslot_name.begin(), mailslot_name.end(), smb.begin() + kNameOffset);
  std::copy(data.begin(), data.end(), smb.begin() + data_offset);
  return smb;
}

std::optional<MailslotWrite> DecodeMailslotWrite(std::span<const std::uint8_t> smb) {
  if (smb.size() < kNameOffset || !IsTransactionHeader(smb)) return std::nullopt;
  if (smb[kWordCountAt] != kWordCount || smb[kSetupCountAt] != kSetupCount) return std::nullopt;
  if (GetLittle16(smb, kOpcodeAt) != kOpcodeWriteMailslot) return std::nullopt;
  // A mailslot write carries no parameters, and all of its data in this one message.
  if (GetLittle16(smb, kTotalParameterCountAt) != 0 || GetLittle16(smb, kParameterCountAt) != 0) {
    return std::nullopt;
  }
  const std::size_t data_count = GetLittle16(smb, kDataCountAt);
  if (GetLittle16(smb, kTotalDataCountAt) != data_count) return std::nullopt;

  const std::size_t bytes_end = kNameOffset + GetLittle16(smb, kByteCountAt);
  if (bytes_end > smb.size()) return std::nullopt;
  const auto byte_area = smb.subspan(kNameOffset, bytes_end - kNameOffset);
  const auto nul = std::find(byte_area.begin(), byte_area.end(), 0);
  if (nul == byte_area.end()) return std::nullopt;
  const std::size_t name_end = kNameOffset + static_cast<std::size_t>(nul - byte_area.begin());

  // The message lies after the name's NUL (pad bytes may come between) and inside the bytes.
  const std::size_t data_offset = GetLittle16(smb, kDataOffsetAt);
  if (data_offset <= name_end || data_offset + data_count > bytes_end) return std::nullopt;
  return MailslotWrite{
      std::string(byte_area.begin(), nul),
      std::vector<std::uint8_t>(smb.begin() + data_offset, smb.begin() + data_offset + data_count)};
}

}  // namespace lanmailslot::wire
