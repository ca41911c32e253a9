#pragma once
// The saver's one process-wide pseudo-random source. It reproduces the classic C library
// recurrence itself, because every plant and palette depends on the exact sequence and the
// build's own rand() differs between platforms.
#include <cstdint>

namespace verdant {

// Sets the generator's state; the saver seeds once per run from the clock.
void SeedRandom(std::uint32_t seed);

// Steps s = s * 214013 + 2531011 (mod 2^32) and returns bits 16 to 30 of the new state.
int Random();

}  // namespace verdant
