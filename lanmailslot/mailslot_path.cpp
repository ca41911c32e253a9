#include "lanmailslot/mailslot_path.h"

#include "base/ascii_case.h"

namespace lanmailslot {

std::optional<MailslotPath> ParseMailslotPath(std::string_view path) {
  if (!path.starts_with(R"(\\)")) return std::nullopt;
  path.remove_prefix(2);
  const std::size_t host_end = path.find('\\');
  if (host_end == 0 || host_end == std::string_view::npos) return std::nullopt;
  const std::string_view host = path.substr(0, host_end);
  std::string mailslot(path.substr(host_end));
  base::ToUpper(mailslot);
  constexpr std::string_view kPrefix = R"(\MAILSLOT\)";
  if (!mailslot.starts_with(kPrefix) || mailslot.size() == kPrefix.size()) return std::nullopt;
  return MailslotPath{std::string(host), mailslot};
}

}  // namespace lanmailslot
