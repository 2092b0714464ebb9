// CFromIndexRatio with most bisection steps decided without a division.
#ifndef CORVANTA_SEARCH_FAST_C_FROM_INDEX_RATIO_H
#define CORVANTA_SEARCH_FAST_C_FROM_INDEX_RATIO_H

#include "numeric/number_types.h"
#include "search/job_values.h"

namespace corvanta {

// Exactly CFromIndexRatio(y, terms), to the last digit: the same bisection,
// whose bracket is updated with the same 100-digit operations, but a step
// that provably goes the same way as the comparison of IndexRatio(C) with y
// is taken from the position of C against the root of that equation,
// computed once, instead of from a 100-digit division. Only the steps within
// the rounding of the root (the last fifty or so of some 380) divide.
Decimal100 FastCFromIndexRatio(const Decimal100& y, const IndexTerms& terms);

}  // namespace corvanta

#endif
