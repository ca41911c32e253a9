#pragma once
// The program location as the service control manager is to store it.
#include <optional>
#include <string>

#include "svcinstall/service_manager.h"

namespace svcinstall {

// A location that holds quotes is stored as typed: whoever quoted it chose where the program
// ends. Otherwise a relative location is made absolute from the current folder, and one that
// holds a space is quoted. Nothing when the location could not be made absolute.
std::optional<std::string> ImagePath(ServiceManager& scm, const std::string& location);

}  // namespace svcinstall
