#include "saver/plants/input_pending.h"

namespace verdant {
namespace {

constexpr unsigned kFirstMouseMessage = 0x0200;  // WM_MOUSEMOVE
constexpr unsigned kLastMouseMessage = 0x0209;   // WM_MBUTTONDBLCLK
constexpr unsigned kFirstKeyMessage = 0x0100;    // WM_KEYDOWN
constexpr unsigned kLastKeyMessage = 0x0108;

// The queue of the thread that draws; null when nothing can interrupt a plant.
InputQueue* input_queue = nullptr;

}  // namespace

void SetInputQueue(InputQueue* queue) {
  input_queue = queue;
}

bool InputPending() {
  if (input_queue == nullptr) return false;
  return input_queue->PeekMessageA(kFirstMouseMessage, kLastMouseMessage) ||
         input_queue->PeekMessageA(kFirstKeyMessage, kLastKeyMessage);
}

}  // namespace verdant
