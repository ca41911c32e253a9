#include "saver/animation/ini/ini_profile_store.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "base/file_lock.h"
#include "base/file_replacement.h"

namespace verdant {
namespace {

// The whole file, an empty text when it does not exist, nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return std::string();
  if (error || !std::filesystem::is_regular_file(status)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return text.str();
}

}  // namespace

std::filesystem::path DefaultProfileFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && *config) return std::filesystem::path(config) / "verdant";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home ? home : ".") / ".config" / "verdant";
}

int IniProfileStore::GetPrivateProfileIntA(const std::string& section, const std::string& key,
                                           int default_value, const std::string& file) {
  const std::optional<std::string> text = ReadWholeFile(folder_ / file);
  return text ? ReadProfileInt(*text, section, key, default_value) : default_value;
}

bool IniProfileStore::WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                                 const std::string& value,
                                                 const std::string& file) {
  const std::filesystem::path path = folder_ / file;
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error) return false;
  // From the read to the rename: another writer's rename in between would undo this one's.
  const base::FileLock lock(std::filesystem::path(path) += ".lock");
  if (!lock.Held()) return false;
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return false;
  const std::optional<std::string> updated = UpdateProfileText(*text, section, key, value);
  return updated && base::ReplaceFileContents(path, *updated);
}

}  // namespace verdant
