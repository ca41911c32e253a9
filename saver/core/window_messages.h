#pragma once
// The platform's message, style and command numbers that the saver's logic decides on.
// The logic never includes the platform headers; the Windows layer checks every value here
// against them at compile time.
#include <cstdint>

#include "base/platform_handle.h"

namespace verdant {

using WindowHandle = base::PlatformHandle;  // kNoHandle (0) is none
using MessageWParam = std::uintptr_t;
using MessageLParam = std::intptr_t;
using MessageResult = std::intptr_t;

inline constexpr unsigned kWmCreate = 0x0001;
inline constexpr unsigned kWmDestroy = 0x0002;
inline constexpr unsigned kWmActivate = 0x0006;
inline constexpr unsigned kWmClose = 0x0010;
inline constexpr unsigned kWmActivateApp = 0x001C;
inline constexpr unsigned kWmSetCursor = 0x0020;
inline constexpr unsigned kWmNcActivate = 0x0086;
inline constexpr unsigned kWmKeyDown = 0x0100;
inline constexpr unsigned kWmSysKeyDown = 0x0104;
inline constexpr unsigned kWmKeyLast = 0x0108;  // the last key message before WM_UNICHAR
inline constexpr unsigned kWmSysCommand = 0x0112;
inline constexpr unsigned kWmTimer = 0x0113;
inline constexpr unsigned kWmMouseMove = 0x0200;
inline constexpr unsigned kWmLButtonDown = 0x0201;
inline constexpr unsigned kWmRButtonDown = 0x0204;
inline constexpr unsigned kWmMButtonDown = 0x0207;
inline constexpr unsigned kWmMButtonDblClk = 0x0209;

inline constexpr unsigned kScClose = 0xF060;
inline constexpr unsigned kScScreenSave = 0xF140;
// The low four bits of a system command are the platform's own.
inline constexpr unsigned kScCommandMask = 0xFFF0;

inline constexpr unsigned kVkF1 = 0x70;
inline constexpr int kMsgfDialogBox = 0;

inline constexpr int kGwlStyle = -16;
inline constexpr int kGwlpHwndParent = -8;
inline constexpr std::uint32_t kWsChild = 0x40000000;

// Combo-box messages and results of the configuration dialog.
inline constexpr unsigned kCbGetCurSel = 0x0147;
inline constexpr unsigned kCbInsertString = 0x014A;
inline constexpr unsigned kCbSetCurSel = 0x014E;
inline constexpr MessageResult kCbErr = -1;
inline constexpr unsigned kCbnSelChange = 1;

}  // namespace verdant
