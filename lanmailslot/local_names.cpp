#include "lanmailslot/local_names.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "base/ascii_case.h"
#include "lanmailslot/wire/netbios_name.h"

namespace lanmailslot {

std::string NetbiosName(std::string_view name) {
  std::string upper(name.substr(0, wire::kMaxNetbiosNameLength));
  // The wire pads names with spaces, so trailing ones would not survive the journey.
  upper.erase(upper.find_last_not_of(' ') + 1);
  base::ToUpper(upper);
  return upper;
}

std::string ComputerNameFromHost(std::string_view host_name) {
  return NetbiosName(host_name.substr(0, host_name.find('.')));
}

std::string WorkgroupFrom(const char* variable_value) {
  const std::string workgroup = NetbiosName(variable_value == nullptr ? "" : variable_value);
  return workgroup.empty() ? kDefaultWorkgroup : workgroup;
}

std::optional<LocalNames> ReadLocalNames() {
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) != 0) return std::nullopt;
  LocalNames names{ComputerNameFromHost(host), WorkgroupFrom(std::getenv(kWorkgroupVariable))};
  if (names.computer.empty()) {
    errno = EINVAL;
    return std::nullopt;
  }
  return names;
}

bool IsAddressedHere(const wire::MailslotDatagram& datagram, const LocalNames& names,
                     std::string_view mailslot) {
  if (!base::EqualIgnoringCase(datagram.mailslot_name, mailslot)) return false;
  // <00> is the computer's and the workgroup's own name; other suffixes name other services.
  if (datagram.destination_suffix != 0) return false;
  switch (datagram.msg_type) {
    case wire::kDirectUnique:
      return base::EqualIgnoringCase(datagram.destination_name, names.computer);
    case wire::kDirectGroup:
    case wire::kBroadcast:
      return base::EqualIgnoringCase(datagram.destination_name, names.workgroup);
    default:
      return false;
  }
}

}  // namespace lanmailslot
