#include "timeproto/linux/local_time.h"

namespace timeproto {

timeproto::TimeField LocalTimeField(const timespec& now) {
  tm local{};
  localtime_r(&now.tv_sec, &local);
  auto word = [](long value) { return static_cast<std::uint16_t>(value); };
  return {word(local.tm_year + 1900), word(local.tm_mon + 1),     word(local.tm_wday),
          word(local.tm_mday),        word(local.tm_hour),        word(local.tm_min),
          word(local.tm_sec),         word(now.tv_nsec / 1000000)};
}

std::optional<timespec> InstantOf(const timeproto::TimeField& local) {
  // mktime would carry a 13th month or a 61st minute into the next one instead of refusing it.
  const bool in_range = local.wYear >= 1970 && local.wMonth >= 1 && local.wMonth <= 12 &&
                        local.wDay >= 1 && local.wDay <= 31 && local.wHour < 24 &&
                        local.wMinute < 60 && local.wSecond < 60 && local.wMilliseconds < 1000;
  if (!in_range) return std::nullopt;
  tm fields{};
  fields.tm_year = local.wYear - 1900;
  fields.tm_mon = local.wMonth - 1;
  fields.tm_mday = local.wDay;
  fields.tm_hour = local.wHour;
  fields.tm_min = local.wMinute;
  fields.tm_sec = local.wSecond;
  fields.tm_isdst = -1;  // whichever is in force on that date
  const int day = fields.tm_mday;
  const time_t seconds = mktime(&fields);
  // A 31st of a shorter month comes back as another day.
  if (seconds == -1 || fields.tm_mday != day) return std::nullopt;
  return timespec{seconds, static_cast<long>(local.wMilliseconds) * 1000000L};
}

}  // namespace timeproto
