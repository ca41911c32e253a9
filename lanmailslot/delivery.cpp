#include "lanmailslot/delivery.h"

namespace lanmailslot {

bool IsAddressedHere(const mailslotwire::MailslotDatagram& datagram, const LocalNames& names,
                     std::string_view mailslot) {
  if (!SameName(datagram.mailslot_name, mailslot)) return false;
  switch (datagram.msg_type) {
    case mailslotwire::kDirectUnique:
      return SameName(datagram.destination_name, names.computer);
    case mailslotwire::kDirectGroup:
    case mailslotwire::kBroadcast:
      return SameName(datagram.destination_name, names.workgroup);
    default:
      return false;
  }
}

}  // namespace lanmailslot
