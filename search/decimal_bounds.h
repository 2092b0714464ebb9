// Deciding comparisons of 100-digit values with doubles, and knowing when a
// double cannot decide.
//
// The search compares Decimal100 values millions of times, and nearly every
// comparison is decided by a margin far wider than double precision. A
// double decides only where its margin exceeds a proven bound on the
// rounding of both sides; everywhere else the comparison is made with the
// 100-digit values themselves, so every decision comes out as the plain
// 100-digit search makes it.
//
// What is assumed of Decimal100 (cpp_dec_float<100>), and nothing more: the
// result of each +, -, x and / (by a Decimal100 or by an integer), and of
// each conversion from a double, lies within kDecimalRelativeError of the
// exact result of that operation on its operands, relative to that exact
// result. Comparisons and abs are exact. The type promises 100 significant
// digits and carries 128 (16 limbs of 8); the errors seen are near 1e-109,
// and a test checks the assumption on random and awkward operands.
#ifndef CORVANTA_SEARCH_DECIMAL_BOUNDS_H
#define CORVANTA_SEARCH_DECIMAL_BOUNDS_H

#include <cmath>
#include <optional>

#include "numeric/number_types.h"

namespace corvanta {

inline constexpr double kDecimalRelativeError = 1e-100;

// A double known to lie within `bound` of a Decimal100 value.
struct BoundedDouble {
  double value = 0;
  double bound = 0;
};

// A double within 2^-49 |v| of v, proven with 100-digit arithmetic; nullopt
// when v is not finite, lies outside the normal range of doubles, or the
// conversion misses the claim (the caller then decides with 100 digits).
std::optional<BoundedDouble> BoundDecimal(const Decimal100& v);

// Whether x < y for two values that lie within xBound of x and yBound of y:
// nullopt when the bounds overlap. The slack added covers the rounding of
// the sums formed here.
inline std::optional<bool> BoundedLess(double x, double xBound, double y, double yBound) {
  constexpr double kTwoToMinus50 = 1.0 / 1125899906842624.0;
  const double margin = xBound + yBound + kTwoToMinus50 * (std::fabs(x) + std::fabs(y));
  if (x + margin < y) return true;
  if (x - margin >= y) return false;
  return std::nullopt;
}

}  // namespace corvanta

#endif
