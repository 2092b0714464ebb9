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
#include <limits>
#include <optional>

#include "numeric/number_types.h"

namespace corvanta {

inline constexpr double kDecimalRelativeError = 1e-100;

// The powers of two and slacks the search's proofs rest on, each named here
// once with the rounding it covers. Every bound below is formed in doubles;
// where a comment says "2^-53" it means one rounding of a double operation.

// One IEEE double operation (round to nearest) lies within 2^-53 of its
// exact result, relative to it.
inline constexpr double kDoubleRoundingError = 0x1p-53;

// The room every 100-digit rounding gets in a bound kept in doubles: 1e10
// times kDecimalRelativeError. Added to a bound, it covers the rounding of
// a Decimal100 value below 1e10 (the ratios and errors the search forms
// from tooth counts are far smaller), or of the conversion of a double to
// Decimal100; times a value, it covers that value's 100-digit rounding.
inline constexpr double kDecimalSlack = 1e-90;

// The factor by which a bound computed in doubles is enlarged to cover the
// roundings of its own computation: a few operations of 2^-53 each come to
// far less than the hundredth it adds.
inline constexpr double kBoundRoundingFactor = 1.01;

// BoundDecimal's check, |v - d| <= 2^-50 |d|, itself made in 100 digits.
inline constexpr double kBoundDecimalClaim = 0x1p-50;
// What BoundDecimal promises, |v - d| <= 2^-49 |d|: twice the claim, which
// covers the check's own roundings (Decimal100(d), the claim and the
// difference, each within kDecimalRelativeError).
inline constexpr double kBoundDecimalError = 0x1p-49;
// The smallest |d| BoundDecimal takes (the smallest normal double times
// 2^64): far from the subnormals, so that 2^-50 |d| is still a relative
// bound on d's own rounding.
inline constexpr double kBoundDecimalSmallest = 0x1p-958;
static_assert(kBoundDecimalError == 2 * kBoundDecimalClaim);
static_assert(kBoundDecimalSmallest == std::numeric_limits<double>::min() * 0x1p64);

// BoundedLess: the rounding of the margin it forms (the sum of the bounds
// and of |x| + |y|) and of x -+ margin, each 2^-53 relative, with room.
inline constexpr double kBoundedLessSlack = 0x1p-50;

// CutAt (pair_index.cpp), relative to x = value x q in doubles: the
// rounding of x itself and of x -+ reach, 2^-53 each, with room.
inline constexpr double kCutRoundingSlack = 0x1p-51;

// RefineC (c_refinement.cpp): the double quotient of two exact tooth-count
// products lies within 2^-53 of the true ratio, and the 100-digit ratio
// within three roundings of kDecimalRelativeError of it, so within 2^-52
// of the double.
inline constexpr double kProductRatioError = 0x1p-52;

// The fast worker's double of a feed error, |p - x| / q with x = w q
// (ScanDenominator in fast_search_worker.cpp): within 2^-48 (|w| +
// estimate) of the exact error, as the double w errs by 2^-49 |w| and the
// products and the quotient by 2^-53 each; twice that for room.
inline constexpr double kFeedErrorEstimateError = 0x1p-47;
// The same worker's test of which denominators may keep a match, |x -
// nearest| < q x reach (Reach): formed from the same double w with as many
// roundings, it errs by at most 2^-48 (|w| + limit) too; four times that
// for room.
inline constexpr double kReachSlack = 0x1p-46;
static_assert(kReachSlack == 2 * kFeedErrorEstimateError);

// The fast worker's range of train ratios, formed as double quotients of
// the extreme products (2^-53 each), widened by a thousandth at each end.
inline constexpr double kRatioRangeLowFactor = 0.999;
inline constexpr double kRatioRangeHighFactor = 1.001;

// A double known to lie within `bound` of a Decimal100 value.
struct BoundedDouble {
  double value = 0;
  double bound = 0;
};

// A double within kBoundDecimalError (2^-49) |v| of v, proven with
// 100-digit arithmetic; nullopt when v is not finite, lies outside the
// normal range of doubles, or the conversion misses the claim (the caller
// then decides with 100 digits).
std::optional<BoundedDouble> BoundDecimal(const Decimal100& v);

// Whether x < y for two values that lie within xBound of x and yBound of y:
// nullopt when the bounds overlap. kBoundedLessSlack covers the rounding of
// the sums formed here.
inline std::optional<bool> BoundedLess(double x, double xBound, double y, double yBound) {
  const double margin = xBound + yBound + kBoundedLessSlack * (std::fabs(x) + std::fabs(y));
  if (x + margin < y) return true;
  if (x - margin >= y) return false;
  return std::nullopt;
}

}  // namespace corvanta

#endif
