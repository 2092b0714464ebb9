#include "search/c_from_index_ratio.h"

namespace corvanta {

CBisection::CBisection(const IndexTerms& terms)
    : kiT(terms.indexConstant * Decimal100(terms.hobThreads)),
      teeth(terms.teeth),
      sign(terms.sign),
      falling(terms.sign < 0) {}

const Decimal100& CBisection::Eps() {
  static const Decimal100 eps("1e-110");
  return eps;
}

bool CBisection::Halve(bool cTooSmall, int askWidthFrom) {
  static const Decimal100 zero(0), largest(99999);
  if (cTooSmall) {
    lo = c;
    c = (c + hi) / 2;
  } else {
    hi = c;
    c = (lo + c) / 2;
  }
  ++steps;
  if (c < zero || c > largest) {
    if (steps < kMaxSteps) c = 0;
    return false;
  }
  if (steps >= kMaxSteps) return false;
  return steps < askWidthFrom || lo + Eps() < hi;
}

Decimal100 CFromIndexRatio(const Decimal100& y, const IndexTerms& terms) {
  CBisection b(terms);
  for (;;) {
    const Decimal100 d = b.c * b.teeth + b.sign;
    if (d == 0) {
      b.c = 0;
      break;
    }
    const Decimal100 r = b.kiT * b.c / d;
    if (r == y) break;
    const bool cTooSmall = b.falling ? (r > y) : (r < y);
    const bool cTooLarge = b.falling ? (r < y) : (r > y);
    if (!cTooSmall && !cTooLarge) break;  // NaN on either side
    if (!b.Halve(cTooSmall)) break;
  }
  return b.c + CBisection::Eps();
}

}  // namespace corvanta
