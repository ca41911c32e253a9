#pragma once
// The plants' look into the thread's queue: PeekMessageA without removing anything.
#include "saver/core/input_queue.h"

namespace verdant {

struct Win32InputQueue final : InputQueue {
  bool PeekMessageA(unsigned first, unsigned last) override;
};

}  // namespace verdant
