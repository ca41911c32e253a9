#include "saver/animation/ini/ini_profile_store.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

// Bytes pass through unconverted: the file holds plain ASCII names and numbers.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

namespace verdant {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

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

// Written beside the target and renamed over it, so a failed write never truncates the file.
bool ReplaceFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::path temporary = path;
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) {
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (!error) return true;
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace

int ParseProfileInt(std::string_view text, int default_value) {
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  // An empty value counts as missing; any other text without digits is 0, as on Windows.
  if (at == text.size()) return default_value;
  bool negative = false;
  if (text[at] == '-' || text[at] == '+') negative = text[at++] == '-';
  std::uint32_t value = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) value = value * 10 + (text[at] - '0');
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}

int ReadProfileInt(std::string_view ini_text, const std::string& section, const std::string& key,
                   int default_value) {
  CSimpleIniA ini;
  if (ini.LoadData(ini_text.data(), ini_text.size()) < 0) return default_value;
  const char* value = ini.GetValue(section.c_str(), key.c_str());
  return value ? ParseProfileInt(value, default_value) : default_value;
}

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

std::optional<std::string> UpdateProfileText(std::string_view ini_text, const std::string& section,
                                             const std::string& key, const std::string& value) {
  CSimpleIniA ini;
  ini.SetSpaces(false);  // key=value, as the Windows call writes it
  if (ini.LoadData(ini_text.data(), ini_text.size()) < 0) return std::nullopt;
  if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0) return std::nullopt;
  std::string updated;
  if (ini.Save(updated) < 0) return std::nullopt;
  return updated;
}

bool IniProfileStore::WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                                 const std::string& value,
                                                 const std::string& file) {
  const std::filesystem::path path = folder_ / file;
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return false;
  const std::optional<std::string> updated = UpdateProfileText(*text, section, key, value);
  if (!updated) return false;
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  return !error && ReplaceFile(path, *updated);
}

}  // namespace verdant
