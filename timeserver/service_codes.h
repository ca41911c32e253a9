#pragma once
// The platform's service, event-log and security values the time service uses.
#include <cstdint>

namespace timeserver {

inline constexpr char kServiceName[] = "Beaconry";

inline constexpr std::uint32_t kServiceWin32OwnProcess = 16;

inline constexpr std::uint32_t kServiceStopped = 1;
inline constexpr std::uint32_t kServiceStartPending = 2;
inline constexpr std::uint32_t kServiceStopPending = 3;
inline constexpr std::uint32_t kServiceRunning = 4;
inline constexpr std::uint32_t kServicePaused = 7;

// Stop, pause and continue.
inline constexpr std::uint32_t kAcceptedControls = 3;

inline constexpr std::uint32_t kControlStop = 1;
inline constexpr std::uint32_t kControlPause = 2;
inline constexpr std::uint32_t kControlContinue = 3;
inline constexpr std::uint32_t kControlInterrogate = 4;

inline constexpr std::uint32_t kStartWaitHint = 3000;
inline constexpr std::uint32_t kStopWaitHint = 3000;

inline constexpr std::uint32_t kInfinite = 0xFFFFFFFF;
inline constexpr std::uint32_t kMailslotWaitForever = 0xFFFFFFFF;

inline constexpr std::uint16_t kEventlogErrorType = 1;
// The one text of the program's message table: the entry's two strings, a line apart.
inline constexpr std::uint32_t kErrorEventId = 0;
// Under HKEY_LOCAL_MACHINE: where the event viewer finds the program holding that text.
inline constexpr char kEventSourceKey[] =
    R"(SYSTEM\CurrentControlSet\Services\EventLog\Application\Beaconry)";
// Error, warning and information entries.
inline constexpr std::uint32_t kTypesSupported = 7;

inline constexpr std::uint32_t kLptr = 0x40;  // fixed and zero-filled
inline constexpr std::uint32_t kSecurityDescriptorRevision = 1;

}  // namespace timeserver
