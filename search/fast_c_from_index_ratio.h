// CFromIndexRatio with most bisection steps decided without a division.
#ifndef CORVANTA_SEARCH_FAST_C_FROM_INDEX_RATIO_H
#define CORVANTA_SEARCH_FAST_C_FROM_INDEX_RATIO_H

#include <optional>

#include "numeric/number_types.h"
#include "search/c_from_index_ratio.h"
#include "search/decimal_bounds.h"
#include "search/job_values.h"

namespace corvanta {

// Exactly CFromIndexRatio(y, terms), to the last digit: the same bisection,
// whose bracket is updated with the same 100-digit operations, but a step
// that provably goes the same way as the comparison of IndexRatio(C) with y
// is taken from the position of C against the root of that equation,
// computed once, instead of from a 100-digit division. Only the steps within
// the rounding of the root (the last fifty or so of some 380) divide.
Decimal100 FastCFromIndexRatio(const Decimal100& y, const IndexTerms& terms);

// The same for many ratios of one job: what depends on the index terms
// alone is formed once.
class FastCBisection {
 public:
  explicit FastCBisection(const IndexTerms& terms);

  // FastCFromIndexRatio(y, terms). `yBound`, when given, is a double known
  // to lie within its bound of y; otherwise one is derived from y.
  Decimal100 operator()(const Decimal100& y,
                        const std::optional<BoundedDouble>& yBound = std::nullopt) const;

 private:
  IndexTerms terms_;
  CBisection start_;  // the bisection's terms and first bracket
  std::optional<BoundedDouble> kiTBound_;
  Decimal100 nearPoleLow_, nearPoleHigh_;  // s = -1: C between them is near the pole
};

}  // namespace corvanta

#endif
