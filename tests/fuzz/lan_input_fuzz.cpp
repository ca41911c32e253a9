// What the Linux mailslot layer takes from outside: a mailslot path from the command line, the
// workgroup from the environment, and datagrams from anyone. A path splits into a host without
// a backslash and a \MAILSLOT\ name, and splits the same again once joined; a workgroup is a name
// the wire carries unchanged; deciding whether a datagram is ours never crashes.
#include <cstdlib>
#include <string>
#include <string_view>

#include "lanmailslot/local_names.h"
#include "lanmailslot/mailslot_path.h"
#include "lanmailslot/wire/datagram.h"
#include "lanmailslot/wire/netbios_name.h"

namespace {

void CheckPath(std::string_view text) {
  const auto path = lanmailslot::ParseMailslotPath(text);
  if (!path) return;
  if (path->host.empty() || path->host.find('\\') != std::string::npos) std::abort();
  if (!path->mailslot.starts_with(R"(\MAILSLOT\)")) std::abort();
  const auto again = lanmailslot::ParseMailslotPath(R"(\\)" + path->host + path->mailslot);
  if (!again || again->host != path->host || again->mailslot != path->mailslot) std::abort();
}

void CheckWorkgroup(const std::string& value) {
  const std::string workgroup = lanmailslot::WorkgroupFrom(value.c_str());
  if (workgroup.empty() || workgroup.size() > lanmailslot::wire::kMaxNetbiosNameLength)
    std::abort();
  const auto encoded = lanmailslot::wire::EncodeNetbiosName(workgroup, 0);
  if (!encoded || lanmailslot::wire::DecodeNetbiosName(*encoded)->name != workgroup) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckPath(text);
  CheckWorkgroup(text);  // as the environment holds it: up to the first NUL
  if (const auto datagram = lanmailslot::wire::DecodeDatagram({data, size})) {
    lanmailslot::IsAddressedHere(*datagram, {"ALPHA", "LAB"}, R"(\MAILSLOT\NTSERVER)");
  }
  return 0;
}
