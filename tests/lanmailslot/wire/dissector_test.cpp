// Our packets read by an independent dissector: wrapped into a capture file (UDP over IPv4 and
// Ethernet, by text2pcap), tshark must see each datagram (port 138) as a NetBIOS datagram
// carrying an SMB mailslot write, with the names, mailslot and message we encoded, and each name
// service packet (port 137) with the flags, names and addresses we meant.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "lanmailslot/wire/datagram.h"
#include "lanmailslot/wire/name_requests.h"
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

bool HaveDissector() {
  return std::system("command -v tshark text2pcap > /dev/null 2>&1") == 0;
}

// A capture of `packets` as UDP datagrams to `port`, kept in ARTIFACT_DIR when that is set;
// empty when one could not be written. text2pcap reads a hex dump whose offsets restart at 0
// for each packet.
std::string CaptureOf(const std::vector<std::vector<std::uint8_t>>& packets, std::uint16_t port,
                      const std::string& name) {
  const std::filesystem::path folder = testing::TempDir();
  const auto dump = folder / (name + ".txt");
  {
    std::ofstream out(dump);
    for (const auto& bytes : packets) {
      if (bytes.empty()) return "";
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) out << (i ? "\n" : "") << Hex(static_cast<unsigned>(i), 6);
        out << ' ' << Hex(bytes[i], 2);
      }
      out << "\n";
    }
  }
  auto capture = folder / (name + ".pcap");
  if (const char* artifacts = std::getenv("ARTIFACT_DIR")) {
    std::filesystem::create_directories(artifacts);
    capture = std::filesystem::path(artifacts) / (name + ".pcap");
  }
  const std::string ports = std::to_string(port) + "," + std::to_string(port);
  if (OutputOf("text2pcap -q -4 127.0.0.1,127.0.0.2 -u " + ports + " '" + dump.string() + "' '" +
               capture.string() + "'") != "") {
    return "";
  }
  return capture.string();
}

TEST(DissectorTest, TsharkReadsEveryDatagramAsAnSmbMailslotWrite) {
  if (!HaveDissector()) {
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

  std::vector<std::vector<std::uint8_t>> packets;
  for (const auto& d : datagrams) packets.push_back(EncodeDatagram(d));
  const auto capture = CaptureOf(packets, kDatagramPort, "lanmailslot_wire");
  ASSERT_FALSE(capture.empty());

  std::string expected;
  for (const auto& d : datagrams) expected += ExpectedFields(d) + "\n";
  EXPECT_EQ(OutputOf("tshark -n -r '" + capture +
                     "' -T fields -e nbdgm.type -e nbdgm.dgram_id -e nbdgm.src.ip -e nbdgm.src.port"
                     " -e nbdgm.source_name -e nbdgm.destination_name -e smb.trans_name"
                     " -e mailslot.opcode -e mailslot.class -e data.data -e _ws.malformed"
                     " -e _ws.expert 2>/dev/null"),
            expected);
}

// Every packet of the name service we send, as tshark reads it: the flag word, the counts, the
// name, type and address of each, and no malformed field.
TEST(DissectorTest, TsharkReadsOurNameServicePackets) {
  if (!HaveDissector()) GTEST_SKIP() << "tshark is not installed (Debian package tshark)";
  const NetbiosName alpha{"ALPHA", 0x00}, lab{"LAB", 0x00};
  constexpr std::uint32_t kAlpha = 0x0A4D0002;
  const StatusName held[] = {{alpha, 0x0400}, {lab, 0x8400}};
  const std::vector<NamePacket> packets = {
      NameQueryRequest(1, alpha),
      RegistrationRequest(2, alpha, false, kAlpha),
      RegistrationRequest(3, lab, true, kAlpha),
      ReleaseRequest(4, alpha, false, kAlpha),
      PositiveQueryResponse(5, lab, true, kAlpha),
      NegativeRegistrationResponse(6, alpha, kAlpha),
      NodeStatusResponse(7, NodeStatusWildcard(), held),
  };
  std::vector<std::vector<std::uint8_t>> bytes;
  for (const auto& packet : packets) bytes.push_back(EncodeNamePacket(packet));
  const auto capture = CaptureOf(bytes, kNameServicePort, "lanmailslot_names");
  ASSERT_FALSE(capture.empty());
  // tshark names the suffix of a record's name; "*" and fifteen NULs it shows as <00>s.
  const std::string role = " (Workstation/Redirector)";
  std::string nuls;
  for (int i = 0; i < 15; ++i) nuls += "<00>";
  EXPECT_EQ(OutputOf("tshark -n -r '" + capture +
                     "' -T fields -E separator=';' -e nbns.id -e nbns.flags -e nbns.count.queries"
                     " -e nbns.count.answers -e nbns.count.add_rr -e nbns.name -e nbns.type"
                     " -e nbns.nb_flags -e nbns.addr -e nbns.netbios_name -e nbns.name_flags"
                     " -e _ws.malformed -e _ws.expert 2>/dev/null"),
            "0x0001;0x0110;1;0;0;ALPHA<00>;32;;;;;;\n"
            "0x0002;0x2910;1;0;1;ALPHA<00>,ALPHA<00>" +
                role +
                ";32,32;0x0000;10.77.0.2;;;;\n"
                "0x0003;0x2910;1;0;1;LAB<00>,LAB<00>" +
                role +
                ";32,32;0x8000;10.77.0.2;;;;\n"
                "0x0004;0x3010;1;0;1;ALPHA<00>,ALPHA<00>" +
                role +
                ";32,32;0x0000;10.77.0.2;;;;\n"
                "0x0005;0x8580;0;1;0;LAB<00>" +
                role +
                ";32;0x8000;10.77.0.2;;;;\n"
                "0x0006;0xad86;0;1;0;ALPHA<00>" +
                role +
                ";32;0x0000;10.77.0.2;;;;\n"
                "0x0007;0x8400;0;1;0;*" +
                nuls + ";33;;;ALPHA,LAB;0x0400,0x8400;;\n");
}

}  // namespace
}  // namespace lanmailslot::wire
