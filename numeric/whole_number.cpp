#include "numeric/whole_number.h"

namespace corvanta {

bool IsWholeNumber(const Decimal100& x) {
  // Widened from the double on purpose: the band's upper edge is the
  // double's value, not the decimal 1e-95.
  static const Decimal100 band(1e-95);
  const Decimal100 f = floor(x);
  const Decimal100 upper = f + band;
  if (isnan(x) || isnan(upper)) return false;
  if (upper <= x) return false;
  return f - band < x;
}

}  // namespace corvanta
