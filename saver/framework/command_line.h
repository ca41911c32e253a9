#pragma once
// How the saver reads its command line: the argument after the program name, and the mode it
// selects.
#include <optional>
#include <string_view>

#include "saver/core/window_messages.h"

namespace verdant {

enum class SaverMode { kSaver, kConfigWithOwner, kConfigWithoutOwner };

// The text after the first space and the spaces that follow it; empty without a space. Quotes
// mean nothing and trailing spaces stay.
std::string_view SaverArgument(std::string_view command_line);

// "/s" followed by anything, or exactly "-s" or "s": the saver; exactly "/c", "-c" or "c": the
// dialog owned by the active window; anything else: the dialog without an owner. Only the
// letters A to Z fold to lower case.
SaverMode ChooseSaverMode(std::string_view argument);

// The preview that the platform's settings page asks for: "/p" (either case), then a colon or a
// run of spaces, then the decimal handle of the window to draw in, and nothing more. Digits
// beyond 32 bits name no window and give handle 0. Empty for every other text, which the mode
// choice above then sends where it always did.
std::optional<WindowHandle> PreviewParent(std::string_view argument);

}  // namespace verdant
