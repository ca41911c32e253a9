#pragma once
// A look into the calling thread's message queue that removes nothing: PeekMessageA with
// PM_NOREMOVE over a range of message numbers.
namespace verdant {

struct InputQueue {
  virtual ~InputQueue() = default;
  // True while a message numbered first to last (inclusive) waits in the queue.
  virtual bool PeekMessageA(unsigned first, unsigned last) = 0;
};

}  // namespace verdant
