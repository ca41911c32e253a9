#pragma once
// The profile file on Windows: the kernel's private-profile calls on a file in the Windows
// directory.
#include "saver/animation/profile_store.h"

namespace verdant {

struct Win32ProfileStore : ProfileStore {
  int GetPrivateProfileIntA(const std::string& section, const std::string& key, int default_value,
                            const std::string& file) override;
  bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& file) override;
};

}  // namespace verdant
