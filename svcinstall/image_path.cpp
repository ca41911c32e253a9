#include "svcinstall/image_path.h"

#include <cctype>

namespace svcinstall {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// "X:\…" or a UNC or device path "\\…"; "\x", "X:x" and "x" all depend on the current folder.
bool IsFullyQualified(const std::string& path) {
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return true;
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
         IsSeparator(path[2]);
}

}  // namespace

std::optional<std::string> ImagePath(ServiceManager& scm, const std::string& location) {
  if (location.find('"') != std::string::npos) return location;
  std::optional<std::string> path = location;
  if (!IsFullyQualified(location)) path = scm.GetFullPathNameA(location);
  // Unquoted, the manager would try "C:\Program.exe" for "C:\Program Files\x.exe".
  if (path && path->find(' ') != std::string::npos) return '"' + *path + '"';
  return path;
}

}  // namespace svcinstall
