#pragma once
// Sine, cosine and arc tangent computed by the saver itself in plain double arithmetic, so
// that every build and every C runtime draws the same plants from the same seed; the
// platforms' own functions differ in the last bit often enough to move a pixel now and then.
// Accurate to about one unit in the last place.
#include <cmath>

namespace verdant {

struct SineCosine {
  double sin, cos;
};

// Both at once, from one argument reduction. Exact reduction for |x| < 2^20; beyond that
// (no plant angle gets there) the C runtime's functions answer.
SineCosine SinCos(double x);

double ArcTangent(double x);

// Used only for the trees' ratios 0.5^(1/G) and 0.5^(2/(3G)); both builds' pow give the
// correctly rounded values for them (checked by the tests).
inline double Power(double x, double y) {
  return std::pow(x, y);
}

}  // namespace verdant
