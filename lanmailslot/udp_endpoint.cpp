#include "lanmailslot/udp_endpoint.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "lanmailslot/wire/datagram.h"

namespace lanmailslot {
namespace {

sockaddr_in SocketAddress(std::uint32_t address, std::uint16_t port) {
  sockaddr_in socket_address{};
  socket_address.sin_family = AF_INET;
  socket_address.sin_addr.s_addr = htonl(address);
  socket_address.sin_port = htons(port);
  return socket_address;
}

base::ScopedFd DatagramSocket(bool broadcast) {
  base::ScopedFd fd(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  const int on = 1;
  if (fd.IsValid() && broadcast &&
      setsockopt(fd.Get(), SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0) {
    fd.Reset();
  }
  return fd;
}

// The interface a datagram arrived on tells a local sender from a forged one.
bool ReportArrivalInterface(int fd) {
  const int on = 1;
  return setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on) == 0;
}

unsigned ArrivalInterface(msghdr& header) {
  for (cmsghdr* c = CMSG_FIRSTHDR(&header); c != nullptr; c = CMSG_NXTHDR(&header, c)) {
    if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
      in_pktinfo info{};
      std::memcpy(&info, CMSG_DATA(c), sizeof info);
      return static_cast<unsigned>(info.ipi_ifindex);
    }
  }
  return 0;
}

bool BindTo(int fd, std::uint16_t port) {
  const sockaddr_in address = SocketAddress(INADDR_ANY, port);
  return bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

std::optional<sockaddr_in> LocalAddress(int fd) {
  sockaddr_in address{};
  socklen_t size = sizeof address;
  if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) return std::nullopt;
  return address;
}

}  // namespace

std::optional<UdpEndpoint> UdpEndpoint::Bind(std::uint16_t port, bool or_any_port, bool broadcast) {
  base::ScopedFd fd = DatagramSocket(broadcast);
  if (!fd.IsValid() || !ReportArrivalInterface(fd.Get())) return std::nullopt;
  // No SO_REUSEADDR: a second socket on the port would split the unicast datagrams between them.
  if (!BindTo(fd.Get(), port)) {
    const bool try_any = or_any_port && (errno == EADDRINUSE || errno == EACCES);
    if (!try_any || !BindTo(fd.Get(), 0)) return std::nullopt;
  }
  const auto bound = LocalAddress(fd.Get());
  if (!bound) return std::nullopt;
  return UdpEndpoint(std::move(fd), ntohs(bound->sin_port));
}

bool UdpEndpoint::SendTo(std::span<const std::uint8_t> bytes, std::uint32_t address,
                         std::uint16_t port) {
  const sockaddr_in to = SocketAddress(address, port);
  const ssize_t sent = sendto(fd_.Get(), bytes.data(), bytes.size(), 0,
                              reinterpret_cast<const sockaddr*>(&to), sizeof to);
  return sent == static_cast<ssize_t>(bytes.size());
}

std::optional<ReceivedDatagram> UdpEndpoint::Receive(bool wait) {
  for (;;) {
    sockaddr_in from{};
    iovec data{buffer_.data(), buffer_.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
    msghdr header{};
    header.msg_name = &from;
    header.msg_namelen = sizeof from;
    header.msg_iov = &data;
    header.msg_iovlen = 1;
    header.msg_control = control;
    header.msg_controllen = sizeof control;
    const ssize_t size = recvmsg(fd_.Get(), &header, wait ? 0 : MSG_DONTWAIT);
    if (size >= 0) {
      return ReceivedDatagram{std::vector<std::uint8_t>(buffer_.begin(), buffer_.begin() + size),
                              ntohl(from.sin_addr.s_addr), ntohs(from.sin_port),
                              ArrivalInterface(header)};
    }
    if (errno != EINTR) return std::nullopt;
  }
}

std::optional<ReceivedDatagram> UdpEndpoint::ReceiveWithin(std::chrono::milliseconds timeout) {
  pollfd readable{fd_.Get(), POLLIN, 0};
  const int ready =
      poll(&readable, 1, static_cast<int>(std::max<std::int64_t>(timeout.count(), 0)));
  if (ready < 0 && errno != EINTR) return std::nullopt;
  if (ready <= 0) {
    errno = EAGAIN;
    return std::nullopt;
  }
  return Receive(false);
}

std::optional<std::uint32_t> SourceAddressFor(std::uint32_t address) {
  // Connecting a datagram socket sends nothing; it only picks the route and so the address.
  // Towards a broadcast address the connect needs SO_BROADCAST.
  base::ScopedFd fd = DatagramSocket(true);
  if (!fd.IsValid()) return std::nullopt;
  const sockaddr_in to = SocketAddress(address, wire::kDatagramPort);
  if (connect(fd.Get(), reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) {
    return std::nullopt;
  }
  const auto local = LocalAddress(fd.Get());
  if (!local) return std::nullopt;
  return ntohl(local->sin_addr.s_addr);
}

}  // namespace lanmailslot
