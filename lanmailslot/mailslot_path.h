#pragma once
// A mailslot path, \\<host>\mailslot\<name>, split into the host part and the mailslot name as
// the datagram carries it (\MAILSLOT\<NAME>).
#include <optional>
#include <string>
#include <string_view>

namespace lanmailslot {

struct MailslotPath {
  std::string host;      // ".", "*", a computer, or a workgroup or domain
  std::string mailslot;  // e.g. \MAILSLOT\NTSERVER
};

// Nothing for anything else than \\<host>\mailslot\<name> with a non-empty host and name.
std::optional<MailslotPath> ParseMailslotPath(std::string_view path);

}  // namespace lanmailslot
