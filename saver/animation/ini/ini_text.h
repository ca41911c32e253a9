#pragma once
// The profile file's text, read and edited line by line as the Windows profile calls do: a
// write changes the one line of its key (or adds the key to its section, or the section at the
// end) and keeps every other byte. Lines end in "\n" or "\r\n", the last one also in "\r" or
// nothing. A line is a section header "[name]", a comment starting with ';', a key
// "name=value", or anything else, kept as it is. Names compare without case; the
// first line of a key counts, in whichever section of that name it stands.
#include <optional>
#include <string>
#include <string_view>

namespace verdant {

// Optional blanks and sign, then decimal digits (wrapping like the Windows call); 0 when there
// are no digits, the default when the text is empty or blank.
int ParseProfileInt(std::string_view text, int default_value);

// The integer of section/key in INI text; the default when the key is missing.
int ReadProfileInt(std::string_view ini_text, std::string_view section, std::string_view key,
                   int default_value);

// The INI text with section/key set to value, every other byte kept; nothing when the names or
// the value cannot stand on one line as written (a line break, '=' in the key, ']' in the
// section).
std::optional<std::string> UpdateProfileText(std::string_view ini_text, std::string_view section,
                                             std::string_view key, std::string_view value);

}  // namespace verdant
