#include "timeclient/set_clock.h"

#include "timeclient/error_text.h"
#include "timeclient/exit_codes.h"

namespace timeclient {
namespace {

// Everything done with the opened token; returns the exit code.
int SetClockWithToken(Privileges& privileges, Handle token, LocalClock& clock,
                      const timeproto::TimeField& time, base::ConsoleWriter& out) {
  const PrivilegeId privilege = privileges.LookupPrivilegeValueA("SeSystemtimePrivilege");
  privileges.AdjustTokenPrivileges(token, privilege, kPrivilegeEnabled);
  // The adjustment succeeds even when the token lacks the privilege; only the error says so.
  if (privileges.GetLastError() != 0) {
    out.Write("Insufficent user rights to change the system time!\n");
    return kExitFailure;
  }
  if (!clock.SetLocalTime(time)) {
    out.Write(ErrorText("Unable to change system time", clock.GetLastError()));
    return kExitFailure;
  }
  privileges.AdjustTokenPrivileges(token, privilege, 0);
  out.Write("The system time has been successfully changed!\n");
  return kExitOk;
}

}  // namespace

int SetClock(Privileges& privileges, LocalClock& clock, const timeproto::TimeField& time,
             base::ConsoleWriter& out) {
  const std::optional<Handle> token = privileges.OpenProcessToken();
  if (!token) {
    out.Write("\nInsufficent user rights to change the system time!\n");
    return kExitFailure;
  }
  const int code = SetClockWithToken(privileges, *token, clock, time, out);
  privileges.CloseHandle(*token);
  return code;
}

}  // namespace timeclient
