#pragma once
// How a reply is shown: the server's name and its time as text.
#include <string>
#include <string_view>

#include "timeproto/time_messages.h"

namespace timeclient {

// "Sun 11/07/1993  -  13:54:49,25": day name, month/day/year, time and hundredths. A day of the
// week above 6 shows as "???".
std::string FormatTimeText(const timeproto::TimeField& time);

// The name with every byte that is not printable ASCII replaced by '?': a reply may come from
// any machine, and its control bytes must not reach the terminal.
std::string PrintableName(std::string_view name);

}  // namespace timeclient
