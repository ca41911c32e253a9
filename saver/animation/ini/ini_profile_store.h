#pragma once
// The profile file off Windows: <folder>/<file> as an INI file (see ini_text.h), so that other
// sections, keys, comments and line ends survive a write.
#include <filesystem>
#include <string>

#include "saver/animation/ini/ini_text.h"
#include "saver/animation/profile_store.h"

namespace verdant {

// $XDG_CONFIG_HOME/verdant, or ~/.config/verdant without it.
std::filesystem::path DefaultProfileFolder();

class IniProfileStore : public ProfileStore {
 public:
  explicit IniProfileStore(std::filesystem::path folder) : folder_(std::move(folder)) {}
  int GetPrivateProfileIntA(const std::string& section, const std::string& key, int default_value,
                            const std::string& file) override;
  // Creates the folder and the file when missing, and writes through a symbolic link; false
  // when the file cannot be read or written, in which case it is left as it was. Writers in
  // other processes take turns: each holds <file>.lock beside it while it writes, and false
  // too when that lock cannot be taken. Reads take no lock: a write replaces the file whole.
  bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& file) override;

 private:
  std::filesystem::path folder_;
};

}  // namespace verdant
