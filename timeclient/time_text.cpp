#include "timeclient/time_text.h"

#include <cstdio>

namespace timeclient {

std::string FormatTimeText(const timeproto::TimeField& time) {
  static constexpr const char* kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  const char* day = time.wDayOfWeek < std::size(kDayNames) ? kDayNames[time.wDayOfWeek] : "???";
  char text[104];
  std::snprintf(text, sizeof text, "%s %.2d/%.2d/%4d  -  %.2d:%.2d:%.2d,%.2d", day,
                int{time.wMonth}, int{time.wDay}, int{time.wYear}, int{time.wHour},
                int{time.wMinute}, int{time.wSecond}, time.wMilliseconds / 10);
  return text;
}

std::string PrintableName(std::string_view name) {
  std::string printable(name);
  for (char& c : printable) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = '?';
  }
  return printable;
}

}  // namespace timeclient
