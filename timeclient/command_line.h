#pragma once
// The client's command line: [<computer_name>|<domain_name>] [/S] [/?].
#include <span>
#include <string>
#include <string_view>

namespace timeclient {

struct CommandLine {
  std::string server_path;     // where requests go; \\*\mailslot\ntserver unless a name is given
  bool set_clock = false;      // /S
  bool usage = false;          // print the usage text and end with exit code 1
  bool invalid = false;        // an argument was not recognised
  bool name_given = false;     // a target name was taken
  bool name_too_long = false;  // a target name of more than 15 characters ended the parse
};

// Looks at the arguments after the program name in turn; the first one that ends the parse
// leaves the rest unread.
CommandLine ParseArguments(std::span<const std::string_view> args);

}  // namespace timeclient
