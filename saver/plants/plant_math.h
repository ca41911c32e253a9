#pragma once
// The transcendental functions the plants compute with, in one place so that every build
// evaluates them alike.
#include <cmath>

namespace verdant {

inline double Sine(double x) {
  return std::sin(x);
}
inline double Cosine(double x) {
  return std::cos(x);
}
inline double ArcTangent(double x) {
  return std::atan(x);
}
inline double Power(double x, double y) {
  return std::pow(x, y);
}

}  // namespace verdant
