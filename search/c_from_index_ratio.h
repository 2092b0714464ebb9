// The C constant that an index train of a given ratio stands for.
#ifndef CORVANTA_SEARCH_C_FROM_INDEX_RATIO_H
#define CORVANTA_SEARCH_C_FROM_INDEX_RATIO_H

#include "numeric/number_types.h"
#include "search/job_values.h"

namespace corvanta {

// Solves IndexRatio(C) = y for C by bisection on [0, 100000] and returns C
// plus 1e-110. A ratio that needs a C above 99999, or a bisection that ends
// in a zero denominator, gives 0 + 1e-110: a C that no feed train can serve.
// The bisection stops after 1000 halvings at the latest. The search and the
// later display of a result call it with the same terms, so both derive the
// same C from the same train.
Decimal100 CFromIndexRatio(const Decimal100& y, const IndexTerms& terms);

// The bisection's bracket and the values it forms once from the terms,
// shared by CFromIndexRatio and its fast twin so that both take their steps
// with the same 100-digit operations.
struct CBisection {
  explicit CBisection(const IndexTerms& terms);

  // Halves the bracket towards the side the step chose; false when the
  // bisection ends (c then holds its outcome, less eps). The width test
  // `lo + eps < hi` is made from step askWidthFrom on.
  bool Halve(bool cTooSmall, int askWidthFrom = 0);

  // Far below the resolution of any C in range, so `lo + eps < hi` holds
  // until the bracket has closed to neighbouring values (or the step cap).
  static const Decimal100& Eps();
  static constexpr int kMaxSteps = 1000;

  Decimal100 kiT, teeth, sign;  // Ki x T, N and s as the ratio uses them
  // For s = +1 the index ratio grows with C, for s = -1 it falls; a ratio
  // on the growing side of y means C is too large for s = +1, too small for
  // s = -1.
  bool falling;
  Decimal100 lo{0}, hi{100000}, c{50000};
  int steps = 0;
};

}  // namespace corvanta

#endif
