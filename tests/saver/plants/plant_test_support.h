#pragma once
// Seeds chosen by what their first draws give, the number of draws a piece of drawing
// takes, measured on the shared random source, and a fixture whose queue the plants look into.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "saver/core/random_source.h"
#include "saver/plants/input_pending.h"
#include "tests/saver/fakes/recording_surface.h"

namespace verdant::testing {

// The first seed whose first `count` draws satisfy `wanted`; the source is left seeded with it.
inline std::uint32_t SeedWhere(int count, const std::function<bool(std::span<const int>)>& wanted) {
  std::vector<int> draws(count);
  for (std::uint32_t seed = 1;; ++seed) {
    SeedRandom(seed);
    for (int& d : draws) d = Random();
    if (wanted(draws)) {
      SeedRandom(seed);
      return seed;
    }
  }
}

// How many draws `run` takes from `seed`: found where the four draws after it recur.
inline long DrawsTaken(std::uint32_t seed, const std::function<void()>& run) {
  SeedRandom(seed);
  run();
  std::array<int, 4> after{Random(), Random(), Random(), Random()};
  SeedRandom(seed);
  std::array<int, 4> window{Random(), Random(), Random(), Random()};
  for (long taken = 0; taken < 100'000'000; ++taken) {
    if (window == after) return taken;
    std::copy(window.begin() + 1, window.end(), window.begin());
    window.back() = Random();
  }
  return -1;
}

// The plants see `queue` as the thread's input for the length of a test.
class PlantInputTest : public ::testing::Test {
 protected:
  void SetUp() override { SetInputQueue(&queue); }
  void TearDown() override { SetInputQueue(nullptr); }
  FakeInputQueue queue;
};

}  // namespace verdant::testing
