#pragma once
// The profile file of the saver's settings: on Windows GetPrivateProfileIntA and
// WritePrivateProfileStringA; elsewhere an INI file. Reading never fails: a missing file,
// section or key, or an empty value, yields the default; any other value yields its leading
// signed decimal digits, or 0 when it has none.
#include <string>

namespace verdant {

struct ProfileStore {
  virtual ~ProfileStore() = default;
  virtual int GetPrivateProfileIntA(const std::string& section, const std::string& key,
                                    int default_value, const std::string& file) = 0;
  // Returns false when the value could not be stored (the saver ignores it).
  virtual bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                          const std::string& value, const std::string& file) = 0;
};

}  // namespace verdant
