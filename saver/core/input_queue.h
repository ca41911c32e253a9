#pragma once
// A look into the calling thread's message queue that removes nothing: PeekMessageA with
// PM_NOREMOVE over a range of message numbers.
namespace verdant {

// The user's input as the plants look for it: mouse moves and buttons, and keys.
inline constexpr unsigned kFirstMouseMessage = 0x0200;  // WM_MOUSEMOVE
inline constexpr unsigned kLastMouseMessage = 0x0209;   // WM_MBUTTONDBLCLK
inline constexpr unsigned kFirstKeyMessage = 0x0100;    // WM_KEYDOWN
inline constexpr unsigned kLastKeyMessage = 0x0108;     // WM_KEYLAST before WM_UNICHAR

struct InputQueue {
  virtual ~InputQueue() = default;
  // True while a message numbered first to last (inclusive) waits in the queue.
  virtual bool PeekMessageA(unsigned first, unsigned last) = 0;
};

}  // namespace verdant
