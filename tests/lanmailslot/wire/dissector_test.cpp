// Our datagrams read by an independent dissector: wrapped into a capture file (UDP port 138 over
// IPv4 and Ethernet, by text2pcap), tshark must see each one as a NetBIOS datagram carrying an
// SMB mailslot write, with the names, mailslot and message we encoded.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "lanmailslot/wire/datagram.h"
#include "lanmailslot/wire/smb_mailslot.h"
#include "timeproto/time_messages.h"

namespace lanmailslot::wire {
namespace {

constexpr std::uint32_t kSenderIp = 0x7F000001;  // 127.0.0.1, as the capture's IP header says

MailslotDatagram Datagram(std::uint8_t type, std::uint16_t port, std::string source,
                          std::string destination, std::string mailslot,
                          std::span<const std::uint8_t> message) {
  MailslotDatagram d;
  d.msg_type = type;
  d.datagram_id = port;
  d.source_ip = kSenderIp;
  d.source_port = port;
  d.source_name = std::move(source);
  d.destination_name = std::move(destination);
  d.mailslot_name = std::move(mailslot);
  d.data.assign(message.begin(), message.end());
  return d;
}

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*x", digits, value);
  return text;
}

// The line tshark prints for the fields asked for below; malformed-packet and expert-note
// fields stay empty.
std::string ExpectedFields(const MailslotDatagram& d) {
  std::string data;
  for (auto byte : d.data) data += Hex(byte, 2);
  return std::to_string(d.msg_type) + "\t0x" + Hex(d.datagram_id, 4) + "\t127.0.0.1\t" +
         std::to_string(d.source_port) + "\t" + d.source_name + "<" + Hex(d.source_suffix, 2) +
         ">\t" + d.destination_name + "<" + Hex(d.destination_suffix, 2) + ">\t" + d.mailslot_name +
         "\t" + std::to_string(kOpcodeWriteMailslot) + "\t" + std::to_string(kClassUnreliable) +
         "\t" + data + "\t\t";
}

std::string OutputOf(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    output.append(buffer, n);
  }
  if (pclose(pipe) != 0) output += "(failed: " + command + ")";
  return output;
}

TEST(DissectorTest, TsharkReadsEveryDatagramAsAnSmbMailslotWrite) {
  if (std::system("command -v tshark text2pcap > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "tshark is not installed (Debian package tshark): no independent dissector";
  }
  const auto request = timeproto::BuildTimeRequest("CLIENT1");
  std::vector<MailslotDatagram> datagrams = {
      Datagram(kDirectGroup, kDatagramPort, "CLIENT1", "LAB", R"(\MAILSLOT\NTSERVER)", request),
      Datagram(kBroadcast, kDatagramPort, "CLIENT1", "LAB", R"(\MAILSLOT\NTSERVER)", request),
      Datagram(kDirectUnique, 49152, "ABCDEFGHIJKLMNO", "ALPHA", R"(\MAILSLOT\NTSERVER)",
               timeproto::BuildTimeRequest("ABCDEFGHIJKLMNO")),
      Datagram(kDirectUnique, kDatagramPort, "ALPHA", "ABCDEFGHIJKLMNO", R"(\MAILSLOT\NTCLIENT)",
               timeproto::BuildTimeReply("ALPHA", {2026, 12, 2, 8, 22, 46, 19, 250})),
  };
  datagrams[1].destination_suffix = 0x1D;
  datagrams[3].source_suffix = 0x20;

  // text2pcap reads a hex dump whose offsets restart at 0 for each packet.
  const std::filesystem::path folder = testing::TempDir();
  const auto dump = folder / "lanmailslot_wire.txt";
  {
    std::ofstream out(dump);
    for (const auto& d : datagrams) {
      const auto bytes = EncodeDatagram(d);
      ASSERT_FALSE(bytes.empty());
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) out << (i ? "\n" : "") << Hex(static_cast<unsigned>(i), 6);
        out << ' ' << Hex(bytes[i], 2);
      }
      out << "\n";
    }
  }
  auto capture = folder / "lanmailslot_wire.pcap";
  if (const char* artifacts = std::getenv("ARTIFACT_DIR")) {
    std::filesystem::create_directories(artifacts);
    capture = std::filesystem::path(artifacts) / "lanmailslot_wire.pcap";
  }
  ASSERT_EQ(OutputOf("text2pcap -q -4 127.0.0.1,127.0.0.2 -u 138,138 '" + dump.string() + "' '" +
                     capture.string() + "'"),
            "");

  std::string expected;
  for (const auto& d : datagrams) expected += ExpectedFields(d) + "\n";
  EXPECT_EQ(OutputOf("tshark -n -r '" + capture.string() +
                     "' -T fields -e nbdgm.type -e nbdgm.dgram_id -e nbdgm.src.ip -e nbdgm.src.port"
                     " -e nbdgm.source_name -e nbdgm.destination_name -e smb.trans_name"
                     " -e mailslot.opcode -e mailslot.class -e data.data -e _ws.malformed"
                     " -e _ws.expert 2>/dev/null"),
            expected);
}

}  // namespace
}  // namespace lanmailslot::wire
