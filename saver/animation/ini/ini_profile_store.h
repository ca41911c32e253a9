#pragma once
// The profile file off Windows: <folder>/<file> as an INI file, read and written with
// SimpleIni so that other sections, keys and comments survive a write. Values read like
// GetPrivateProfileIntA: the leading (signed) decimal digits, or 0 without any.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "saver/animation/profile_store.h"

namespace verdant {

// Optional blanks and sign, then decimal digits (wrapping like the Windows call); 0 when there
// are no digits, the default when the text is empty or blank.
int ParseProfileInt(std::string_view text, int default_value);

// The integer of section/key in INI text; the default when the key is missing.
int ReadProfileInt(std::string_view ini_text, const std::string& section, const std::string& key,
                   int default_value);

// The INI text with section/key set to value, everything else kept; nothing when the text
// cannot be taken as INI.
std::optional<std::string> UpdateProfileText(std::string_view ini_text, const std::string& section,
                                             const std::string& key, const std::string& value);

// $XDG_CONFIG_HOME/verdant, or ~/.config/verdant without it.
std::filesystem::path DefaultProfileFolder();

class IniProfileStore : public ProfileStore {
 public:
  explicit IniProfileStore(std::filesystem::path folder) : folder_(std::move(folder)) {}
  int GetPrivateProfileIntA(const std::string& section, const std::string& key, int default_value,
                            const std::string& file) override;
  // Creates the folder and the file when missing; false when the file cannot be read or
  // written, in which case it is left as it was.
  bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& file) override;

 private:
  std::filesystem::path folder_;
};

}  // namespace verdant
