#pragma once
// Sets the local clock to a received time, with the system-time privilege enabled only for the
// one call.
#include "base/console_writer.h"
#include "timeclient/client_platform.h"
#include "timeproto/time_messages.h"

namespace timeclient {

// The exit code: 0 when the clock was set, 2 after a failure (its message printed).
int SetClock(Privileges& privileges, LocalClock& clock, const timeproto::TimeField& time,
             base::ConsoleWriter& out);

}  // namespace timeclient
