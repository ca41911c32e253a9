#pragma once
// This machine's own names on the name service while the time service runs: its computer name
// (unique) and its workgroup (group), registered by broadcast on every subnet, the computer name
// defended against other nodes, both answered for (queries, node status) and released at the
// end. It owns UDP port 137 and serves on a thread of its own.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "lanmailslot/broadcast_node.h"
#include "lanmailslot/interfaces.h"
#include "lanmailslot/local_names.h"
#include "lanmailslot/udp_endpoint.h"

namespace lanmailslot {

class NameService {
 public:
  // One line for the machine's log: a name conflict met or refused.
  using Log = std::function<void(const std::string& line)>;

  // Serving `names` from now on; nothing (errno set) when port 137 cannot be had.
  static std::unique_ptr<NameService> Start(const LocalNames& names, Log log);
  ~NameService() { Stop(); }
  NameService(const NameService&) = delete;
  NameService& operator=(const NameService&) = delete;

  // Ends the thread, then releases the names still held. Later calls do nothing.
  void Stop();

 private:
  struct Registration {
    HeldName name;
    std::uint16_t id = 0;  // the transaction id of its registration requests
    bool held = true;      // until another node refuses it
  };

  NameService(UdpEndpoint udp, const LocalNames& names, Log log);
  void Run();
  void Register();
  void ServeFor(std::chrono::milliseconds period);
  void Handle(const ReceivedDatagram& received);
  bool TakeRefusal(const wire::NamePacket& response);
  std::optional<std::uint32_t> OwnAddressFor(const ReceivedDatagram& received) const;
  std::vector<HeldName> Held() const;
  void Broadcast(const std::function<wire::NamePacket(const Registration&, std::uint32_t)>& make);

  UdpEndpoint udp_;
  Log log_;
  std::vector<Registration> registrations_;  // the thread's, and Stop's once it has ended
  std::vector<LocalInterface> interfaces_;   // read at the start
  std::atomic<bool> stopping_ = false;
  std::thread thread_;
};

}  // namespace lanmailslot
