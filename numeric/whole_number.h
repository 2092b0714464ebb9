// The whole-number test used where a C constant is shown as a fraction.
#ifndef CORVANTA_NUMERIC_WHOLE_NUMBER_H
#define CORVANTA_NUMERIC_WHOLE_NUMBER_H

#include "numeric/number_types.h"

namespace corvanta {

// True when x lies in the half-open band [n, n + b) above n = floor(x), with
// b the double nearest 1e-95 widened to Decimal100 (a hair below 1e-95).
// A value just below an integer is never whole, however close: its floor is
// the integer below. NaN and the infinities are not whole.
bool IsWholeNumber(const Decimal100& x);

}  // namespace corvanta

#endif
