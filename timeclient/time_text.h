#pragma once
// How a reply is shown: the server's name and its time as text.
#include <string>
#include <string_view>

#include "timeproto/time_messages.h"

namespace timeclient {

// "Sun 11/07/1993  -  13:54:49,25": day name, month/day/year, time and hundredths. A day of the
// week above 6 shows as "???".
std::string FormatTimeText(const timeproto::TimeField& time);

// The name with every control byte (below 0x20, and 0x7F) replaced by '?': a reply may come from
// any machine, and its control bytes must not reach the terminal. Other bytes are letters of the
// OEM code page, in which computer names travel, and print as sent.
std::string PrintableName(std::string_view name);

}  // namespace timeclient
