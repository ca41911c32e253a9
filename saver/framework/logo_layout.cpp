#include "saver/framework/logo_layout.h"

namespace verdant {
namespace {

int Centred(int left, int right, std::string_view text, const LogoFontMetrics& font) {
  return (right - static_cast<int>(text.size()) * font.average_width - left) / 2;
}

}  // namespace

std::array<LogoLine, 4> LayoutLogoLines(int left, int right,
                                        const std::array<LogoFontMetrics, 3>& fonts) {
  const LogoFontMetrics& title = fonts[0];
  const LogoFontMetrics& version = fonts[1];
  const LogoFontMetrics& notice = fonts[2];
  int y1 = 2 * title.external_leading;
  int y2 = y1 + (3 * version.height) / 2;
  int y3 = y2 + version.external_leading + version.height + 3 * notice.external_leading;
  int y4 = y3 + notice.external_leading + notice.height;
  return {{
      {kLogoTitle, 0, Centred(left, right, kLogoTitle, title) - 5, y1},
      {kLogoVersion, 1, Centred(left, right, kLogoVersion, version) - 5, y2},
      {kLogoNotice1, 2, left + 4 * notice.average_width, y3},
      {kLogoNotice2, 2, Centred(left, right, kLogoNotice2, notice), y4},
  }};
}

}  // namespace verdant
