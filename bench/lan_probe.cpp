// beaconry across the LAN, measured from another machine: request-to-answer latency, one
// request at a time, and answers per second under a flood of valid requests each followed by a
// bad one, with at most kWindow valid requests in flight (UDP has no back pressure: a flood
// without a window measures only the receive queue's overflow). The requests are datagrams to
// the server's computer name at its address, from an ephemeral port; this machine's name is
// the host name's first label.
//   lan_probe latency <server address> <server name> [count]   (2000 by default)
//   lan_probe flood <server address> <server name> [count]     (10000 by default)
// Exit code 0 when every valid request was answered.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/posix/scoped_fd.h"
#include "bench/latency_summary.h"
#include "lanmailslot/local_names.h"
#include "lanmailslot/udp_endpoint.h"
#include "lanmailslot/wire/datagram.h"
#include "timeproto/time_messages.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr long kWindow = 32;
constexpr int kSilenceMs = 500;  // nothing for this long: what is in flight is lost

double NowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

struct Probe {
  base::ScopedFd fd;
  sockaddr_in server{};
  Bytes valid;
  Bytes bad;

  void Send(const Bytes& datagram) const { send(fd.Get(), datagram.data(), datagram.size(), 0); }
  // `pairs` valid requests, each followed by a bad one, in one call: the probe shares the
  // machine with the server, and every call it saves is the server's.
  void SendPairs(int pairs) const {
    iovec messages[2] = {{const_cast<std::uint8_t*>(valid.data()), valid.size()},
                         {const_cast<std::uint8_t*>(bad.data()), bad.size()}};
    std::vector<mmsghdr> batch(2 * static_cast<std::size_t>(pairs));
    for (std::size_t i = 0; i < batch.size(); ++i) {
      batch[i].msg_hdr.msg_iov = &messages[i % 2];
      batch[i].msg_hdr.msg_iovlen = 1;
    }
    for (std::size_t sent = 0; sent < batch.size();) {
      const int now =
          sendmmsg(fd.Get(), batch.data() + sent, static_cast<unsigned>(batch.size() - sent), 0);
      if (now <= 0) return;  // what was not sent counts as lost
      sent += static_cast<std::size_t>(now);
    }
  }
  // True for a time reply, false for anything else; nothing after `wait_ms` of silence.
  std::optional<bool> Receive(int wait_ms) const {
    std::uint8_t buffer[2048];
    ssize_t size = recv(fd.Get(), buffer, sizeof buffer, MSG_DONTWAIT);
    if (size < 0) {  // only then wait: under a flood the next answer is mostly there already
      pollfd ready{fd.Get(), POLLIN, 0};
      if (poll(&ready, 1, wait_ms) <= 0) return std::nullopt;
      size = recv(fd.Get(), buffer, sizeof buffer, 0);
    }
    if (size <= 0) return false;
    const auto datagram =
        lanmailslot::wire::DecodeDatagram({buffer, static_cast<std::size_t>(size)});
    return datagram &&
           timeproto::CheckTimeReply(datagram->data).status == timeproto::ReplyStatus::ReplyOk;
  }
};

Bytes RequestDatagram(const Probe& probe, const std::string& me, const std::string& server,
                      std::uint16_t port, const Bytes& message) {
  lanmailslot::wire::MailslotDatagram datagram;
  datagram.msg_type = lanmailslot::wire::kDirectUnique;
  datagram.source_ip = *lanmailslot::SourceAddressFor(ntohl(probe.server.sin_addr.s_addr));
  datagram.source_port = port;
  datagram.source_name = me;
  datagram.destination_name = server;
  datagram.mailslot_name = R"(\MAILSLOT\NTSERVER)";
  datagram.data = message;
  return lanmailslot::wire::EncodeDatagram(datagram);
}

int Latency(const Probe& probe, long count) {
  std::vector<double> latencies;
  for (long i = 0; i < count; ++i) {
    const double start = NowMs();
    probe.Send(probe.valid);
    if (probe.Receive(2000).value_or(false)) latencies.push_back(NowMs() - start);
  }
  if (!bench::PrintLatencySummary(count, latencies)) return 1;
  return static_cast<long>(latencies.size()) == count ? 0 : 1;
}

int Flood(const Probe& probe, long count) {
  long sent = 0, answered = 0, odd = 0, lost = 0, in_flight = 0;
  const double start = NowMs();
  while (answered + lost < count) {
    const long more = std::min(count - sent, kWindow - in_flight);
    if (more > 0) {
      probe.SendPairs(static_cast<int>(more));
      sent += more;
      in_flight += more;
    }
    const auto reply = probe.Receive(kSilenceMs);
    if (!reply) {
      lost += in_flight;
      in_flight = 0;
    } else if (*reply) {
      ++answered;
      --in_flight;
    } else {
      ++odd;
    }
  }
  const double total_ms = NowMs() - start;
  std::printf("valid sent=%ld bad sent=%ld answered=%ld lost=%ld other messages=%ld\n", sent, sent,
              answered, lost, odd);
  std::printf("all answered in %.0f ms: %.0f answers/s\n", total_ms,
              1000.0 * static_cast<double>(answered) / total_ms);
  return answered == count && odd == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: lan_probe latency|flood <server address> <server name> [n]\n");
    return 2;
  }
  const std::string mode = argv[1];
  const long count = argc > 4 ? std::strtol(argv[4], nullptr, 10) : mode == "flood" ? 10000 : 2000;
  const auto names = lanmailslot::ReadLocalNames();
  Probe probe;
  probe.fd = base::ScopedFd(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  probe.server.sin_family = AF_INET;
  probe.server.sin_port = htons(lanmailslot::wire::kDatagramPort);
  sockaddr_in local{};
  socklen_t size = sizeof local;
  if (!names || !probe.fd.IsValid() || inet_pton(AF_INET, argv[2], &probe.server.sin_addr) != 1 ||
      connect(probe.fd.Get(), reinterpret_cast<const sockaddr*>(&probe.server),
              sizeof probe.server) != 0 ||
      getsockname(probe.fd.Get(), reinterpret_cast<sockaddr*>(&local), &size) != 0) {
    std::perror("lan_probe");
    return 1;
  }
  const auto request = timeproto::BuildTimeRequest(names->computer);
  const Bytes message(request.begin(), request.end());
  const std::string server = lanmailslot::NetbiosName(argv[3]);
  const std::uint16_t port = ntohs(local.sin_port);
  probe.valid = RequestDatagram(probe, names->computer, server, port, message);
  probe.bad = RequestDatagram(probe, names->computer, server, port, Bytes(message.size(), 0xFF));
  return mode == "flood" ? Flood(probe, count) : Latency(probe, count);
}
