#pragma once
// How far two pictures of the same drawing differ: differing pixels per thousand of those
// either side painted, rounded up, so that one pixel off is above a limit of 0.
namespace verdant::testing {

constexpr long SharePerThousand(long differing, long painted) {
  return painted ? (differing * 1000 + painted - 1) / painted : 0;
}

}  // namespace verdant::testing
