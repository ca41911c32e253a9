#pragma once
// The generators' look into the drawing thread's message queue: a plant stops early when the
// user's input waits, so that the saver can end at once. One queue per process, as there is
// one drawing thread.
#include "saver/core/input_queue.h"

namespace verdant {

// The queue InputPending looks into; null means input never waits (headless rendering).
void SetInputQueue(InputQueue* queue);

// True while mouse or keyboard input waits; nothing is removed.
bool InputPending();

}  // namespace verdant
