// Decimal text to an exact ratio of two unbounded integers.
//
// The set-up sheet writes the C constant with 110 digits after the point and
// needs it back as p/q. A continued fraction recovers the simple ratio the
// digits stand for (1/3 from 0.333...3); only when that fails are the digits
// taken literally (12.50 -> 1250/100 -> 25/2).
#ifndef CORVANTA_NUMERIC_EXACT_RATIO_H
#define CORVANTA_NUMERIC_EXACT_RATIO_H

#include <optional>
#include <string>
#include <string_view>

#include "numeric/number_types.h"

namespace corvanta {

// A plain numerator/denominator pair, not a normalised rational type. Both
// parts are 0 until it is filled; the functions below fill it in lowest
// terms with a positive denominator.
struct ExactRatio {
  BigInt numerator = 0;
  BigInt denominator = 0;
};

// The largest number of partial quotients ContinuedFractionRatio expands.
inline constexpr int kContinuedFractionSteps = 128;

// The first convergent h/k of `value` with |value - h/k| < tolerance
// (strictly, NaN never qualifies), within kContinuedFractionSteps partial
// quotients. nullopt when none is found: the remainder fell below 1e-110 or
// the steps ran out, or `value` is infinite or NaN.
std::optional<ExactRatio> ContinuedFractionRatio(const Binary100& value,
                                                 const Binary100& tolerance);

// The digits of `text` read literally: an optional leading '-', decimal
// digits and at most one '.', as numerator over a power of ten, reduced.
// nullopt for anything else (no digits, other characters, a second point).
// Leading zeros are decimal here, never an octal prefix.
std::optional<ExactRatio> DecimalTextRatio(std::string_view text);

// The continued fraction of the text's Binary100 value with tolerance 1e-110,
// else DecimalTextRatio of the text. nullopt when the text is not a number
// the Binary100 parser accepts, or neither way yields a ratio: the caller
// refuses its operation then. Never throws.
std::optional<ExactRatio> ExactRatioFromText(std::string text);

}  // namespace corvanta

#endif
