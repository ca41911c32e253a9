#include "saver/plants/plant_math.h"

#include <array>

namespace verdant {
namespace {

// pi/2 in three parts of which the first two have 33 significant bits, so that k times them is
// exact for the quadrant counts k of the reduced range.
constexpr double kHalfPi1 = 1.5707963267341256;
constexpr double kHalfPi2 = 6.077100506303966e-11;
constexpr double kHalfPi3 = 2.0222662487959506e-21;
constexpr double kTwoOverPi = 0.6366197723675814;
constexpr double kReducedLimit = 1048576.0;  // 2^20

// Taylor terms past the first two; on |r| <= pi/4 the first one left out is below 2^-60.
constexpr std::array<double, 9> kSinTerms{
    -0.16666666666666666,   0.008333333333333333,   -0.0001984126984126984,
    2.7557319223985893e-06, -2.505210838544172e-08, 1.6059043836821613e-10,
    -7.647163731819816e-13, 2.8114572543455206e-15, -8.22063524662433e-18};
constexpr std::array<double, 9> kCosTerms{
    0.041666666666666664,   -0.001388888888888889,   2.48015873015873e-05,
    -2.755731922398589e-07, 2.08767569878681e-09,    -1.1470745597729725e-11,
    4.779477332387385e-14,  -1.5619206968586225e-16, 4.110317623312165e-19};
// -1/3, 1/5, -1/7, ...: enough terms for |t| <= 7/16.
constexpr std::array<double, 22> kAtanTerms{-0.3333333333333333,   0.2,
                                            -0.14285714285714285,  0.1111111111111111,
                                            -0.09090909090909091,  0.07692307692307693,
                                            -0.06666666666666667,  0.058823529411764705,
                                            -0.05263157894736842,  0.047619047619047616,
                                            -0.043478260869565216, 0.04,
                                            -0.037037037037037035, 0.034482758620689655,
                                            -0.03225806451612903,  0.030303030303030304,
                                            -0.02857142857142857,  0.02702702702702703,
                                            -0.02564102564102564,  0.024390243902439025,
                                            -0.023255813953488372, 0.022222222222222223};

// terms[0] + terms[1] z + terms[2] z^2 + ..., as two interleaved chains in z^2 so that the
// processor can work on both at once.
template <std::size_t N>
double Polynomial(const std::array<double, N>& terms, double z) {
  double z2 = z * z;
  std::size_t last_even = (N - 1) & ~std::size_t{1};
  std::size_t last_odd = (N - 2) | 1;
  double even = terms[last_even];
  for (std::size_t i = last_even; i >= 2; i -= 2) even = terms[i - 2] + z2 * even;
  double odd = terms[last_odd];
  for (std::size_t i = last_odd; i >= 3; i -= 2) odd = terms[i - 2] + z2 * odd;
  return even + z * odd;
}

// sin and cos of r = hi + lo, |r| <= pi/4, lo below one unit in the last place of hi.
double SinOfReduced(double hi, double lo) {
  double z = hi * hi;
  return hi + ((hi * z) * Polynomial(kSinTerms, z) + lo * (1.0 - 0.5 * z));
}

double CosOfReduced(double hi, double lo) {
  double z = hi * hi;
  double half = 0.5 * z;
  double w = 1.0 - half;
  // Adds back what rounding 1 - z/2 lost.
  return w + (((1.0 - w) - half) + ((z * z) * Polynomial(kCosTerms, z) - hi * lo));
}

// atan of a reference point, split into a leading double and the rest.
struct Reference {
  double limit;  // used while |x| is below this
  double hi, lo;
};

constexpr std::array<Reference, 5> kReferences{{
    {0.4375, 0.0, 0.0},
    {0.6875, 0.4636476090008061, 2.2698777452961687e-17},  // atan(1/2)
    {1.1875, 0.7853981633974483, 3.061616997868383e-17},   // atan(1)
    {2.4375, 0.982793723247329, 1.3903311031230998e-17},   // atan(3/2)
    {0.0, 1.5707963267948966, 6.123233995736766e-17},      // atan(infinity)
}};

// x - reference, mapped into |t| <= 7/16 by atan(x) = atan(ref) + atan((x - ref) / (1 + x ref)).
double Reduced(std::size_t reference, double a) {
  switch (reference) {
    case 0:
      return a;
    case 1:
      return (2.0 * a - 1.0) / (2.0 + a);
    case 2:
      return (a - 1.0) / (a + 1.0);
    case 3:
      return (a - 1.5) / (1.0 + 1.5 * a);
    default:
      return -1.0 / a;
  }
}

}  // namespace

SineCosine SinCos(double x) {
  if (!(std::fabs(x) < kReducedLimit)) return {std::sin(x), std::cos(x)};
  double scaled = x * kTwoOverPi;
  int quadrants = static_cast<int>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
  double k = quadrants;
  // x - k pi/2 as hi + lo: the products and x - k kHalfPi1 are exact, and the rounding of
  // t - u is recovered.
  double t = x - k * kHalfPi1;
  double u = k * kHalfPi2;
  double r = t - u;
  double r_lo = ((t - r) - u) - k * kHalfPi3;
  double hi = r + r_lo;
  double lo = r_lo - (hi - r);
  double s = SinOfReduced(hi, lo);
  double c = CosOfReduced(hi, lo);
  switch (quadrants & 3) {
    case 0:
      return {s, c};
    case 1:
      return {c, -s};
    case 2:
      return {-s, -c};
    default:
      return {-c, s};
  }
}

double ArcTangent(double x) {
  if (x != x) return x;
  double a = std::fabs(x);
  std::size_t reference = 0;
  while (reference < kReferences.size() - 1 && !(a < kReferences[reference].limit)) {
    ++reference;
  }
  double t = Reduced(reference, a);
  double z = t * t;
  double tail = t * (z * Polynomial(kAtanTerms, z));
  const Reference& ref = kReferences[reference];
  double result = ref.hi + (t + (tail + ref.lo));
  return x < 0 ? -result : result;
}

}  // namespace verdant
