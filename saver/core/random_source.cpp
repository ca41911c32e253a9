#include "saver/core/random_source.h"

namespace verdant {
namespace {
std::uint32_t state = 1;  // the C library's state before any seeding
}

void SeedRandom(std::uint32_t seed) {
  state = seed;
}

int Random() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

}  // namespace verdant
