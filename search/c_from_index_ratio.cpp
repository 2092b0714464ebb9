#include "search/c_from_index_ratio.h"

namespace corvanta {

Decimal100 CFromIndexRatio(const Decimal100& y, const IndexTerms& terms) {
  // Far below the resolution of any C in range, so `lo + eps < hi` holds
  // until the bracket has closed to neighbouring values (or the step cap).
  static const Decimal100 eps("1e-110");
  constexpr int kMaxSteps = 1000;

  const Decimal100 kiT = terms.indexConstant * Decimal100(terms.hobThreads);
  const Decimal100 teeth(terms.teeth);
  const Decimal100 sign(terms.sign);
  // For s = +1 the index ratio grows with C, for s = -1 it falls; a ratio
  // on the growing side of y means C is too large for s = +1, too small for
  // s = -1.
  const bool falling = terms.sign < 0;

  Decimal100 lo(0), hi(100000), c(50000);
  int steps = 0;
  for (;;) {
    const Decimal100 d = c * teeth + sign;
    if (d == 0) {
      c = 0;
      break;
    }
    const Decimal100 r = kiT * c / d;
    if (r == y) break;
    const bool cTooSmall = falling ? (r > y) : (r < y);
    const bool cTooLarge = falling ? (r < y) : (r > y);
    if (cTooSmall) {
      lo = c;
      c = (c + hi) / 2;
    } else if (cTooLarge) {
      hi = c;
      c = (lo + c) / 2;
    } else {
      break;  // NaN on either side
    }
    ++steps;
    if (c < 0 || c > 99999) {
      if (steps < kMaxSteps) c = 0;
      break;
    }
    if (steps >= kMaxSteps) break;
    if (!(lo + eps < hi)) break;
  }
  return c + eps;
}

}  // namespace corvanta
