#include "lanmailslot/delivery.h"

#include "textcase/ascii_case.h"

namespace lanmailslot {

bool IsAddressedHere(const mailslotwire::MailslotDatagram& datagram, const LocalNames& names,
                     std::string_view mailslot) {
  if (!textcase::EqualIgnoringCase(datagram.mailslot_name, mailslot)) return false;
  // <00> is the computer's and the workgroup's own name; other suffixes name other services.
  if (datagram.destination_suffix != 0) return false;
  switch (datagram.msg_type) {
    case mailslotwire::kDirectUnique:
      return textcase::EqualIgnoringCase(datagram.destination_name, names.computer);
    case mailslotwire::kDirectGroup:
    case mailslotwire::kBroadcast:
      return textcase::EqualIgnoringCase(datagram.destination_name, names.workgroup);
    default:
      return false;
  }
}

}  // namespace lanmailslot
