#include "lanmailslot/delivery.h"

#include "base/ascii_case.h"

namespace lanmailslot {

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
