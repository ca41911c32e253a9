#pragma once
// Which datagrams a machine's mailslot takes: a direct unique datagram to its computer name, or
// a direct group or broadcast datagram to its workgroup, both with the suffix <00>, naming that
// mailslot. Names and mailslot names compare without case; everything else on port 138 is not
// ours.
#include <cstddef>
#include <string_view>

#include "lanmailslot/local_names.h"
#include "lanmailslot/wire/datagram.h"

namespace lanmailslot {

bool IsAddressedHere(const wire::MailslotDatagram& datagram, const LocalNames& names,
                     std::string_view mailslot);

}  // namespace lanmailslot
