#include "lanmailslot/wire/name_packet.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

#include "base/byte_order.h"
#include "lanmailslot/wire/datagram.h"

namespace lanmailslot::wire {
namespace {

using base::AppendBig16;
using base::AppendBig32;
using base::GetBig16;
using base::GetBig32;

constexpr std::size_t kHeaderSize = 12;
constexpr std::uint8_t kPointerBits = 0xC0;
constexpr std::size_t kPointerSize = 2;
// The first question's name sits right after the header.
constexpr std::uint16_t kPointerToQuestion = 0xC000 | kHeaderSize;
constexpr std::size_t kAddressEntrySize = 6;
constexpr std::size_t kStatusEntrySize = 18;  // 16 name bytes and NAME_FLAGS
constexpr std::size_t kStatisticsSize = 46;
constexpr std::size_t kMaxCount = std::numeric_limits<std::uint16_t>::max();

bool AppendName(std::vector<std::uint8_t>& bytes, const NetbiosName& name) {
  const auto encoded = EncodeNetbiosName(name.name, name.suffix);
  if (!encoded) return false;
  bytes.insert(bytes.end(), encoded->begin(), encoded->end());
  return true;
}

bool AppendRecords(std::vector<std::uint8_t>& bytes, const std::vector<NameRecord>& records,
                   const NetbiosName* question) {
  for (const NameRecord& record : records) {
    if (question != nullptr && record.name == *question) {
      AppendBig16(bytes, kPointerToQuestion);
    } else if (!AppendName(bytes, record.name)) {
      return false;
    }
    if (record.data.size() > kMaxCount) return false;
    AppendBig16(bytes, record.type);
    AppendBig16(bytes, record.klass);
    AppendBig32(bytes, record.ttl);
    AppendBig16(bytes, static_cast<std::uint16_t>(record.data.size()));
    bytes.insert(bytes.end(), record.data.begin(), record.data.end());
  }
  return true;
}

// Reads the packet front to back; every read checks that its bytes are there.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> packet) : packet_(packet) {}

  bool Has(std::size_t size) const { return packet_.size() - at_ >= size; }
  std::uint16_t Read16() {
    const std::uint16_t value = GetBig16(packet_, at_);
    at_ += 2;
    return value;
  }
  std::uint32_t Read32() {
    const std::uint32_t value = GetBig32(packet_, at_);
    at_ += 4;
    return value;
  }
  std::span<const std::uint8_t> ReadBytes(std::size_t size) {
    const auto bytes = packet_.subspan(at_, size);
    at_ += size;
    return bytes;
  }

  // A name in full, or a pointer to one; each pointer must lead further back than the last, so
  // that following them ends.
  std::optional<NetbiosName> ReadName() {
    std::size_t name_at = at_;
    std::optional<std::size_t> after;
    while (name_at < packet_.size() && (packet_[name_at] & kPointerBits) == kPointerBits) {
      if (packet_.size() - name_at < kPointerSize) return std::nullopt;
      const std::size_t target = GetBig16(packet_, name_at) & ~(std::size_t{kPointerBits} << 8);
      if (!after) after = name_at + kPointerSize;
      if (target >= name_at) return std::nullopt;
      name_at = target;
    }
    if (name_at >= packet_.size()) return std::nullopt;
    auto name = DecodeNetbiosName(packet_.subspan(name_at));
    if (!name) return std::nullopt;
    at_ = after.value_or(name_at + kEncodedNameSize);
    return name;
  }

 private:
  std::span<const std::uint8_t> packet_;
  std::size_t at_ = 0;
};

std::optional<NameQuestion> ReadQuestion(Reader& reader) {
  auto name = reader.ReadName();
  if (!name || !reader.Has(4)) return std::nullopt;
  NameQuestion question{std::move(*name)};
  question.type = reader.Read16();
  question.klass = reader.Read16();
  return question;
}

std::optional<NameRecord> ReadRecord(Reader& reader) {
  auto name = reader.ReadName();
  if (!name || !reader.Has(10)) return std::nullopt;
  NameRecord record;
  record.name = std::move(*name);
  record.type = reader.Read16();
  record.klass = reader.Read16();
  record.ttl = reader.Read32();
  const std::size_t size = reader.Read16();
  if (!reader.Has(size)) return std::nullopt;
  const auto data = reader.ReadBytes(size);
  record.data.assign(data.begin(), data.end());
  return record;
}

// `count` records; a count larger than the bytes could hold fails at the first missing one,
// before anything is reserved for it.
bool ReadRecords(Reader& reader, std::size_t count, std::vector<NameRecord>& records) {
  for (std::size_t i = 0; i < count; ++i) {
    auto record = ReadRecord(reader);
    if (!record) return false;
    records.push_back(std::move(*record));
  }
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeNamePacket(const NamePacket& packet) {
  for (std::size_t count : {packet.questions.size(), packet.answers.size(),
                            packet.authorities.size(), packet.additionals.size()}) {
    if (count > kMaxCount) return {};
  }
  std::vector<std::uint8_t> bytes;
  AppendBig16(bytes, packet.transaction_id);
  AppendBig16(bytes, packet.flags);
  AppendBig16(bytes, static_cast<std::uint16_t>(packet.questions.size()));
  AppendBig16(bytes, static_cast<std::uint16_t>(packet.answers.size()));
  AppendBig16(bytes, static_cast<std::uint16_t>(packet.authorities.size()));
  AppendBig16(bytes, static_cast<std::uint16_t>(packet.additionals.size()));
  for (const NameQuestion& question : packet.questions) {
    if (!AppendName(bytes, question.name)) return {};
    AppendBig16(bytes, question.type);
    AppendBig16(bytes, question.klass);
  }
  const NetbiosName* first = packet.questions.empty() ? nullptr : &packet.questions.front().name;
  for (const auto* section : {&packet.answers, &packet.authorities, &packet.additionals}) {
    if (!AppendRecords(bytes, *section, first)) return {};
  }
  if (bytes.size() > kMaxDatagramSize) return {};
  return bytes;
}

std::optional<NamePacket> DecodeNamePacket(std::span<const std::uint8_t> bytes) {
  Reader reader(bytes);
  if (!reader.Has(kHeaderSize)) return std::nullopt;
  NamePacket packet;
  packet.transaction_id = reader.Read16();
  packet.flags = reader.Read16();
  const std::size_t questions = reader.Read16();
  const std::size_t answers = reader.Read16();
  const std::size_t authorities = reader.Read16();
  const std::size_t additionals = reader.Read16();
  for (std::size_t i = 0; i < questions; ++i) {
    auto question = ReadQuestion(reader);
    if (!question) return std::nullopt;
    packet.questions.push_back(std::move(*question));
  }
  if (!ReadRecords(reader, answers, packet.answers) ||
      !ReadRecords(reader, authorities, packet.authorities) ||
      !ReadRecords(reader, additionals, packet.additionals)) {
    return std::nullopt;
  }
  return packet;
}

std::vector<std::uint8_t> EncodeAddresses(std::span<const NameAddress> addresses) {
  std::vector<std::uint8_t> data;
  for (const NameAddress& entry : addresses) {
    AppendBig16(data, entry.flags);
    AppendBig32(data, entry.address);
  }
  return data;
}

std::optional<std::vector<NameAddress>> DecodeAddresses(std::span<const std::uint8_t> data) {
  if (data.empty() || data.size() % kAddressEntrySize != 0) return std::nullopt;
  std::vector<NameAddress> addresses;
  for (std::size_t at = 0; at < data.size(); at += kAddressEntrySize) {
    addresses.push_back({GetBig16(data, at), GetBig32(data, at + 2)});
  }
  return addresses;
}

std::vector<std::uint8_t> EncodeNodeStatus(std::span<const StatusName> names) {
  if (names.size() > std::numeric_limits<std::uint8_t>::max()) return {};
  std::vector<std::uint8_t> data{static_cast<std::uint8_t>(names.size())};
  for (const StatusName& entry : names) {
    if (entry.name.name.size() > kMaxNetbiosNameLength) return {};
    std::string padded = entry.name.name;
    padded.resize(kMaxNetbiosNameLength, ' ');
    data.insert(data.end(), padded.begin(), padded.end());
    data.push_back(entry.name.suffix);
    AppendBig16(data, entry.flags);
  }
  data.resize(data.size() + kStatisticsSize, 0);
  return data;
}

std::optional<std::vector<StatusName>> DecodeNodeStatus(std::span<const std::uint8_t> data) {
  if (data.empty() || data.size() - 1 < data[0] * kStatusEntrySize) return std::nullopt;
  std::vector<StatusName> names;
  for (std::size_t i = 0; i < data[0]; ++i) {
    const auto entry = data.subspan(1 + i * kStatusEntrySize, kStatusEntrySize);
    std::string name(entry.begin(), entry.begin() + kMaxNetbiosNameLength);
    name.erase(name.find_last_not_of(' ') + 1);
    names.push_back({{std::move(name), entry[kMaxNetbiosNameLength]},
                     GetBig16(entry, kMaxNetbiosNameLength + 1)});
  }
  return names;
}

NetbiosName NodeStatusWildcard() {
  return {std::string("*") + std::string(kMaxNetbiosNameLength - 1, '\0'), 0};
}

}  // namespace lanmailslot::wire
