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
    if (c < 0x20 || c > 0x7E) c = '?';
  }
  return printable;
}

}  // namespace timeclient
