// Our datagrams read by an independent dissector: tshark must see each one as a NetBIOS datagram
// carrying an SMB mailslot write, with the names, mailslot and message we encoded.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "mailslotwire/datagram.h"
#include "mailslotwire/smb_mailslot.h"
#include "timeproto/time_messages.h"
#include "udp_pcap.h"

namespace mailslotwire {
namespace {

constexpr std::uint32_t kLoopback = 0x7F000000;
constexpr std::uint32_t kLoopbackBroadcast = 0x7FFFFFFF;
constexpr std::uint16_t kEphemeralPort = 49152;

MailslotDatagram Datagram(std::uint8_t type, std::uint32_t ip, std::uint16_t port,
                          std::string source, std::string destination, std::string mailslot,
                          std::span<const std::uint8_t> message) {
  MailslotDatagram d;
  d.msg_type = type;
  d.datagram_id = static_cast<std::uint16_t>(ip ^ port);
  d.source_ip = ip;
  d.source_port = port;
  d.source_name = std::move(source);
  d.destination_name = std::move(destination);
  d.mailslot_name = std::move(mailslot);
  d.data.assign(message.begin(), message.end());
  return d;
}

std::string Hex(std::uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*x", digits, value);
  return text;
}

std::string DottedIp(std::uint32_t ip) {
  return std::to_string(ip >> 24) + "." + std::to_string(ip >> 16 & 0xFF) + "." +
         std::to_string(ip >> 8 & 0xFF) + "." + std::to_string(ip & 0xFF);
}

// One line of the fields asked for below, as tshark prints them for a datagram it understood;
// the last two (malformed packet, expert notes) stay empty.
std::string ExpectedFields(const MailslotDatagram& d) {
  std::string data;
  for (auto byte : d.data) data += Hex(byte, 2);
  const std::string fields[] = {std::to_string(d.msg_type),
                                "0x" + Hex(d.datagram_id, 4),
                                DottedIp(d.source_ip),
                                std::to_string(d.source_port),
                                d.source_name + "<" + Hex(d.source_suffix, 2) + ">",
                                d.destination_name + "<" + Hex(d.destination_suffix, 2) + ">",
                                d.mailslot_name,
                                std::to_string(kOpcodeWriteMailslot),
                                std::to_string(kClassUnreliable),
                                data,
                                "",
                                ""};
  std::string line;
  for (const auto& f : fields) line += (line.empty() ? "" : "\t") + f;
  return line;
}

std::filesystem::path CaptureFolder() {
  const char* artifacts = std::getenv("ARTIFACT_DIR");
  std::filesystem::path folder = artifacts ? artifacts : testing::TempDir();
  std::filesystem::create_directories(folder);
  return folder;
}

TEST(DissectorTest, TsharkReadsEveryDatagramAsAnSmbMailslotWrite) {
  if (std::system("command -v tshark > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "tshark is not installed (Debian package tshark): no independent dissector";
  }
  const auto request = timeproto::BuildTimeRequest("CLIENT1");
  const auto reply = timeproto::BuildTimeReply("ALPHA", {2026, 12, 2, 8, 22, 46, 19, 250});
  std::vector<MailslotDatagram> datagrams = {
      Datagram(kDirectGroup, kLoopback + 3, kDatagramPort, "CLIENT1", "LAB",
               R"(\MAILSLOT\NTSERVER)", request),
      Datagram(kBroadcast, kLoopback + 3, kDatagramPort, "CLIENT1", "LAB", R"(\MAILSLOT\NTSERVER)",
               request),
      Datagram(kDirectUnique, kLoopback + 4, kEphemeralPort, "ABCDEFGHIJKLMNO", "ALPHA",
               R"(\MAILSLOT\NTSERVER)", timeproto::BuildTimeRequest("ABCDEFGHIJKLMNO")),
      Datagram(kDirectUnique, kLoopback + 1, kDatagramPort, "ALPHA", "ABCDEFGHIJKLMNO",
               R"(\MAILSLOT\NTCLIENT)", reply),
  };
  datagrams[1].destination_suffix = 0x1D;
  datagrams[3].source_suffix = 0x20;

  std::vector<UdpPacket> packets;
  const std::uint32_t to[] = {kLoopbackBroadcast, kLoopbackBroadcast, kLoopback + 1, kLoopback + 4};
  const std::uint16_t to_port[] = {kDatagramPort, kDatagramPort, kDatagramPort, kEphemeralPort};
  for (std::size_t i = 0; i < datagrams.size(); ++i) {
    const auto& d = datagrams[i];
    packets.push_back({d.source_ip, to[i], d.source_port, to_port[i], EncodeDatagram(d)});
    ASSERT_FALSE(packets.back().payload.empty()) << i;
  }
  const auto capture = CaptureFolder() / "mailslotwire.pcap";
  const auto pcap = BuildUdpPcap(packets);
  std::ofstream(capture, std::ios::binary)
      .write(reinterpret_cast<const char*>(pcap.data()), static_cast<std::streamsize>(pcap.size()));

  const auto errors = std::filesystem::path(testing::TempDir()) / "tshark.err";
  const std::string command =
      "tshark -n -r '" + capture.string() +
      "' -T fields -E separator=/t -e nbdgm.type -e nbdgm.dgram_id -e nbdgm.src.ip"
      " -e nbdgm.src.port -e nbdgm.source_name -e nbdgm.destination_name -e smb.trans_name"
      " -e mailslot.opcode -e mailslot.class -e data.data -e _ws.malformed -e _ws.expert 2>'" +
      errors.string() + "'";
  FILE* tshark = popen(command.c_str(), "r");
  ASSERT_NE(tshark, nullptr);
  std::string output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, tshark)) > 0;) {
    output.append(buffer, n);
  }
  const int status = pclose(tshark);
  std::stringstream stderr_text;
  stderr_text << std::ifstream(errors).rdbuf();
  ASSERT_EQ(status, 0) << command << "\n" << stderr_text.str();

  std::istringstream lines(output);
  std::string line;
  for (const auto& d : datagrams) {
    ASSERT_TRUE(std::getline(lines, line)) << "tshark printed fewer frames:\n" << output;
    EXPECT_EQ(line, ExpectedFields(d));
  }
  EXPECT_FALSE(std::getline(lines, line)) << "a frame too many: " << line;
}

}  // namespace
}  // namespace mailslotwire
