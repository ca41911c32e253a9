#include "saver/animation/win32/win32_profile_store.h"

#include <windows.h>

namespace verdant {

int Win32ProfileStore::GetPrivateProfileIntA(const std::string& section, const std::string& key,
                                             int default_value, const std::string& file) {
  return static_cast<int>(
      ::GetPrivateProfileIntA(section.c_str(), key.c_str(), default_value, file.c_str()));
}

bool Win32ProfileStore::WritePrivateProfileStringA(const std::string& section,
                                                   const std::string& key, const std::string& value,
                                                   const std::string& file) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
         FALSE;
}

}  // namespace verdant
