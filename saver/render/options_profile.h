#pragma once
// The settings given on the command line, offered to the saver as its profile file so that
// they are read exactly as stored ones are ("Cycle" as 8 included). Nothing is written.
#include <map>
#include <string>

#include "saver/animation/profile_store.h"

namespace verdant {

class OptionsProfile final : public ProfileStore {
 public:
  explicit OptionsProfile(std::map<std::string, int> values) : values_(std::move(values)) {}

  int GetPrivateProfileIntA(const std::string&, const std::string& key, int default_value,
                            const std::string&) override {
    auto found = values_.find(key);
    return found == values_.end() ? default_value : found->second;
  }
  bool WritePrivateProfileStringA(const std::string&, const std::string&, const std::string&,
                                  const std::string&) override {
    return false;
  }

 private:
  std::map<std::string, int> values_;
};

}  // namespace verdant
