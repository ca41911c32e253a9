#include "saver/plants/plant_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace verdant {
namespace {

std::int64_t Ordered(double d) {
  std::int64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
}

// Distance in units of the last place.
std::int64_t Ulps(double a, double b) {
  std::int64_t d = Ordered(a) - Ordered(b);
  return d < 0 ? -d : d;
}

// Within two units of the runtime's result, or within 1e-19 of it: some runtimes reduce the
// argument with a short pi, which near its multiples is accurate only to that absolute error.
bool Close(double ours, double runtime) {
  return Ulps(ours, runtime) <= 2 || std::fabs(ours - runtime) <= 1e-19;
}

TEST(PlantMathTest, SinCosAgreesWithTheRuntimeOverPlantAngles) {
  for (int i = -200000; i <= 200000; ++i) {
    double x = i * 5e-5;  // -10 to 10 radians, the range of tree and bush headings
    SineCosine sc = SinCos(x);
    ASSERT_TRUE(Close(sc.sin, std::sin(x))) << x;
    ASSERT_TRUE(Close(sc.cos, std::cos(x))) << x;
  }
  for (int degrees = -720; degrees <= 720; ++degrees) {
    double x = degrees * 0.01745327777777778;
    SineCosine sc = SinCos(x);
    ASSERT_TRUE(Close(sc.sin, std::sin(x))) << degrees;
    ASSERT_TRUE(Close(sc.cos, std::cos(x))) << degrees;
  }
}

TEST(PlantMathTest, SinCosExactPointsAndSymmetry) {
  EXPECT_EQ(SinCos(0.0).sin, 0.0);
  EXPECT_EQ(SinCos(0.0).cos, 1.0);
  for (double x : {0.3, 1.2, 2.9, 7.5}) {
    EXPECT_EQ(SinCos(-x).sin, -SinCos(x).sin);
    EXPECT_EQ(SinCos(-x).cos, SinCos(x).cos);
  }
  // Far outside any plant angle the runtime answers.
  EXPECT_LE(std::fabs(SinCos(1e9).sin), 1.0);
  EXPECT_TRUE(std::isnan(SinCos(std::numeric_limits<double>::infinity()).sin));
}

TEST(PlantMathTest, ArcTangentAgreesWithTheRuntime) {
  for (int i = -300000; i <= 300000; ++i) {
    // Slopes from gentle to steep, across every reduction interval.
    double x = i * 1e-5 * (1 + std::abs(i) * 1e-3);
    ASSERT_TRUE(Close(ArcTangent(x), std::atan(x))) << x;
  }
}

TEST(PlantMathTest, ArcTangentSpecialValues) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ArcTangent(0.0), 0.0);
  EXPECT_EQ(ArcTangent(1.0), 0.7853981633974483);
  EXPECT_EQ(ArcTangent(-1.0), -0.7853981633974483);
  EXPECT_EQ(ArcTangent(inf), 1.5707963267948966);
  EXPECT_EQ(ArcTangent(-inf), -1.5707963267948966);
  EXPECT_EQ(ArcTangent(1e300), 1.5707963267948966);
  EXPECT_TRUE(std::isnan(ArcTangent(std::nan(""))));
  for (double x : {0.1, 0.5, 0.9, 1.7, 3.0, 50.0}) EXPECT_EQ(ArcTangent(-x), -ArcTangent(x));
}

TEST(PlantMathTest, TreeRatiosAreTheCorrectlyRoundedPowers) {
  // 0.5^(1/G) and 0.5^(2/(3G)) for G = 1.5, 1.7, ..., 2.3, correctly rounded.
  const double width[] = {0.6299605249474366, 0.665156029099061, 0.6943255713073281,
                          0.7188733487225089, 0.7398052231617179};
  const double length[] = {0.7348672461377994, 0.7619895603259417, 0.7841071970569403,
                           0.8024813019603553, 0.8179842259465396};
  for (int k = 0; k < 5; ++k) {
    double g = k * 0.2 + 1.5;
    EXPECT_EQ(Power(0.5, 1.0 / g), width[k]) << g;
    EXPECT_EQ(Power(0.5, 2.0 / (3.0 * g)), length[k]) << g;
  }
}

TEST(PlantMathTest, EveryBuildComputesTheSameBits) {
  std::uint64_t hash = 14695981039346656037u;
  auto add = [&hash](double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    hash = (hash ^ bits) * 1099511628211u;
  };
  for (int i = -100000; i <= 100000; ++i) {
    SineCosine sc = SinCos(i * 1.0001e-4);
    add(sc.sin);
    add(sc.cos);
    add(ArcTangent(i * 3.3e-4));
  }
  // Recorded from the native build; the Windows build must match it bit for bit.
  EXPECT_EQ(hash, 0xe0341a01f6aaa8abu);
}

}  // namespace
}  // namespace verdant
