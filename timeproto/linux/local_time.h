#pragma once
// The system clock as local time in the eight words the time protocol carries, and back.
#include <time.h>

#include <optional>

#include "timeproto/time_messages.h"

namespace timeproto {

// In the time zone the process runs in, to the millisecond.
timeproto::TimeField LocalTimeField(const timespec& now);
// The instant a local time stands for; nothing for fields out of range. The day of the week is
// not looked at: the date fixes it.
std::optional<timespec> InstantOf(const timeproto::TimeField& local);

}  // namespace timeproto
