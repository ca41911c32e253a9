#pragma once
// The two names a machine answers to on the LAN: its computer name (unique) and its workgroup
// (a group name), and which datagrams they make ours. NetBIOS names are at most 15 characters,
// upper case, and compare without case.
#include <optional>
#include <string>
#include <string_view>

#include "lanmailslot/wire/datagram.h"

namespace lanmailslot {

inline constexpr char kWorkgroupVariable[] = "VERDANT_WORKGROUP";
inline constexpr char kDefaultWorkgroup[] = "WORKGROUP";

struct LocalNames {
  std::string computer;
  std::string workgroup;
};

// Upper case, cut to 15 characters, without trailing spaces.
std::string NetbiosName(std::string_view name);
// The host name's first label as a NetBIOS name.
std::string ComputerNameFromHost(std::string_view host_name);
// The workgroup from the environment's value, or WORKGROUP when it is unset or names nothing.
std::string WorkgroupFrom(const char* variable_value);

// From gethostname and the environment; nothing (errno set) when the host has no name.
std::optional<LocalNames> ReadLocalNames();

// Whether a machine's mailslot takes the datagram: a direct unique datagram to its computer
// name, or a direct group or broadcast datagram to its workgroup, both with the suffix <00>,
// naming that mailslot. Names and mailslot names compare without case; everything else on port
// 138 is not ours.
bool IsAddressedHere(const wire::MailslotDatagram& datagram, const LocalNames& names,
                     std::string_view mailslot);

}  // namespace lanmailslot
