#include "saver/plants/input_pending.h"

#include "saver/core/window_messages.h"

namespace verdant {
namespace {

// The queue of the thread that draws; null when nothing can interrupt a plant.
InputQueue* input_queue = nullptr;

}  // namespace

void SetInputQueue(InputQueue* queue) {
  input_queue = queue;
}

bool InputPending() {
  if (input_queue == nullptr) return false;
  // Mouse moves and buttons, and keys.
  return input_queue->PeekMessageA(kWmMouseMove, kWmMButtonDblClk) ||
         input_queue->PeekMessageA(kWmKeyDown, kWmKeyLast);
}

}  // namespace verdant
