#include "saver/animation/ini/ini_text.h"

#include <cstdint>

#include "base/ascii_case.h"

namespace verdant {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line of the text: where its bytes lie and what the profile calls make of it.
struct Line {
  enum class Kind { kOther, kSection, kKey };
  std::size_t begin = 0;  // first byte
  std::size_t end = 0;    // the line break ("\r\n", "\n", a "\r" ending the text) or the text's end
  std::size_t next = 0;   // first byte of the next line
  Kind kind = Kind::kOther;
  std::string_view name;   // of a section or key, without blanks
  std::string_view value;  // of a key, without blanks
};

Line ReadLine(std::string_view text, std::size_t begin) {
  Line line;
  line.begin = begin;
  const std::size_t newline = text.find('\n', begin);
  line.next = newline == std::string_view::npos ? text.size() : newline + 1;
  line.end = newline == std::string_view::npos ? text.size() : newline;
  // A carriage return ending the text is a break whose line feed was cut off, so that the line
  // reads the same before and after a line is added behind it.
  if (line.end > begin && text[line.end - 1] == '\r') --line.end;
  std::string_view content = text.substr(begin, line.end - begin);
  if (begin == 0 && content.starts_with(kByteOrderMark)) content.remove_prefix(3);
  content = Trim(content);
  if (content.starts_with('[')) {
    const std::size_t close = content.find(']');
    if (close != std::string_view::npos) {
      line.kind = Line::Kind::kSection;
      line.name = Trim(content.substr(1, close - 1));
    }
  } else if (!content.starts_with(';')) {
    const std::size_t equals = content.find('=');
    if (equals != std::string_view::npos) {
      line.kind = Line::Kind::kKey;
      line.name = Trim(content.substr(0, equals));
      line.value = Trim(content.substr(equals + 1));
    }
  }
  return line;
}

// Where a key lives: its first line in any section of the name, and, for adding it, the last
// header or key line of the first such section.
struct Place {
  std::optional<Line> key;
  std::optional<Line> last_of_section;
};

Place Locate(std::string_view text, std::string_view section, std::string_view key) {
  Place place;
  bool in_section = false;
  int sections_seen = 0;
  for (std::size_t at = 0; at < text.size();) {
    const Line line = ReadLine(text, at);
    at = line.next;
    if (line.kind == Line::Kind::kSection) {
      in_section = base::EqualIgnoringCase(line.name, section);
      sections_seen += in_section;
    }
    if (!in_section || line.kind == Line::Kind::kOther) continue;
    if (line.kind == Line::Kind::kKey && base::EqualIgnoringCase(line.name, key)) {
      place.key = line;
      return place;
    }
    if (sections_seen == 1) place.last_of_section = line;
  }
  return place;
}

// What the text needs at its end before another line can follow: nothing after a line feed, the
// missing line feed after a carriage return, otherwise a whole break.
std::string_view BreakToEnd(std::string_view text, std::string_view eol) {
  if (text.empty() || text.back() == '\n') return {};
  return text.back() == '\r' ? "\n" : eol;
}

}  // namespace

int ParseProfileInt(std::string_view text, int default_value) {
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  // An empty value counts as missing; any other text without digits is 0, as on Windows.
  if (at == text.size()) return default_value;
  bool negative = false;
  if (text[at] == '-' || text[at] == '+') negative = text[at++] == '-';
  std::uint32_t value = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) value = value * 10 + (text[at] - '0');
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}

int ReadProfileInt(std::string_view ini_text, std::string_view section, std::string_view key,
                   int default_value) {
  const Place place = Locate(ini_text, section, key);
  return place.key ? ParseProfileInt(place.key->value, default_value) : default_value;
}

std::optional<std::string> UpdateProfileText(std::string_view ini_text, std::string_view section,
                                             std::string_view key, std::string_view value) {
  constexpr std::string_view kLineBreaks = "\r\n";
  if (section.find_first_of(kLineBreaks) != std::string_view::npos ||
      key.find_first_of(kLineBreaks) != std::string_view::npos ||
      value.find_first_of(kLineBreaks) != std::string_view::npos ||
      section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos) {
    return std::nullopt;
  }
  // New lines end the way the file's first line does.
  const std::size_t newline = ini_text.find('\n');
  const std::string_view eol =
      newline != std::string_view::npos && newline > 0 && ini_text[newline - 1] == '\r' ? "\r\n"
                                                                                        : "\n";
  const std::string entry = std::string(key).append("=").append(value);
  std::string text(ini_text);
  const Place place = Locate(ini_text, section, key);
  if (place.key) {
    text.replace(place.key->begin, place.key->end - place.key->begin, entry);
  } else if (const std::optional<Line>& last = place.last_of_section) {
    // After a last line without a whole break, the break goes before the new line, not after.
    const std::string_view missing = BreakToEnd(ini_text.substr(0, last->next), eol);
    text.insert(last->next,
                missing.empty() ? entry + std::string(eol) : std::string(missing) + entry);
  } else {
    text.append(BreakToEnd(ini_text, eol));
    text.append("[").append(section).append("]").append(eol).append(entry).append(eol);
  }
  return text;
}

}  // namespace verdant
