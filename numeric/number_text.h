// Numbers as the texts the window and the set-up sheet show.
//
// Every shown quantity has a stated number of digits after the point and no
// trimming of zeros. The multiprecision types go through the library's own
// stream output, which rounds the decimal digits: Decimal100 rounds a tie
// to even (0.125 -> "0.12"); Binary100 rounds its exact binary value.
#ifndef CORVANTA_NUMERIC_NUMBER_TEXT_H
#define CORVANTA_NUMERIC_NUMBER_TEXT_H

#include <string>

#include "numeric/number_types.h"

namespace corvanta {

// Fixed notation with `decimals` digits after the point ("nan", "inf",
// "-inf" for those values; a negative value that rounds to zero keeps its
// sign, "-0.00000"). Digits beyond the type's 100 significant ones are the
// library's guard digits, not zeros. A negative `decimals` counts as 0.
// Caution, multiprecision only: with 0 the library writes every digit it
// holds rather than none. The text grows with the magnitude (1e1000 is a
// thousand digits).
std::string FixedText(const Decimal100& value, int decimals);
std::string FixedText(const Binary100& value, int decimals);
// The stream's own double output, e.g. the 4 decimals of the geometry lines.
// Exact ties round to even ("0.0312" for 0.03125) in both builds; a NaN is
// "nan" whatever its sign bit.
std::string FixedText(double value, int decimals);

// Plain decimal, a leading '-' for negatives, no grouping.
std::string IntegerText(const BigInt& value);

// A tooth count as "%i" writes it.
std::string ToothCountText(int teeth);

}  // namespace corvanta

#endif
