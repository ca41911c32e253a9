#pragma once
// Where the four lines of the dialog's logo panel go, from the panel's client rectangle and
// the metrics of the three fonts.
#include <array>
#include <string_view>

namespace verdant {

struct LogoFontMetrics {
  int height = 0;            // tmHeight
  int external_leading = 0;  // tmExternalLeading
  int average_width = 0;     // tmAveCharWidth
};

struct LogoFontSize {
  int height;
  int width;
};

struct LogoLine {
  std::string_view text;
  int font;  // index into kLogoFonts
  int x;
  int y;
};

inline constexpr std::array<LogoFontSize, 3> kLogoFonts = {{{20, 10}, {12, 8}, {10, 6}}};
inline constexpr std::string_view kLogoTitle = "Verdant Drift";
inline constexpr std::string_view kLogoVersion = "Version 1.0";
inline constexpr std::string_view kLogoNotice1 = "Plants that grow";
inline constexpr std::string_view kLogoNotice2 = "while you rest";

// The title, version and two notice lines, in drawing order, for the panel's client rectangle
// (left, right) and the metrics of each of kLogoFonts.
std::array<LogoLine, 4> LayoutLogoLines(int left, int right,
                                        const std::array<LogoFontMetrics, 3>& fonts);

}  // namespace verdant
