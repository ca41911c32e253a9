// The system-time privilege is CAP_SYS_TIME: once the process may not have it, enabling it
// leaves an error, as on the platform when the token lacks the privilege. The test first gives
// the capability up for good, so nothing after it could set the clock.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

#include "timeclient/linux/linux_platform.h"

namespace timeclient {
namespace {

void DropSystemTime() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
  ASSERT_EQ(syscall(SYS_capget, &header, data), 0);
  for (auto* set : {&data[0].effective, &data[0].permitted, &data[0].inheritable}) {
    *set &= ~CAP_TO_MASK(CAP_SYS_TIME);
  }
  ASSERT_EQ(syscall(SYS_capset, &header, data), 0);
}

TEST(LinuxPrivileges, EnablingAnUnpermittedSystemTimePrivilegeLeavesAnError) {
  DropSystemTime();
  LinuxPrivileges privileges;
  const auto token = privileges.OpenProcessToken();
  ASSERT_TRUE(token);
  const PrivilegeId privilege = privileges.LookupPrivilegeValueA("SeSystemtimePrivilege");
  EXPECT_EQ(privilege.low_part, static_cast<std::uint32_t>(CAP_SYS_TIME));
  privileges.AdjustTokenPrivileges(*token, privilege, kPrivilegeEnabled);
  EXPECT_EQ(privileges.GetLastError(), EPERM);
  // Disabling what is not there succeeds.
  privileges.AdjustTokenPrivileges(*token, privilege, 0);
  EXPECT_EQ(privileges.GetLastError(), 0);
  EXPECT_TRUE(privileges.CloseHandle(*token));
}

}  // namespace
}  // namespace timeclient
