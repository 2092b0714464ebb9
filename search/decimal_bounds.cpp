#include "search/decimal_bounds.h"

namespace corvanta {

std::optional<BoundedDouble> BoundDecimal(const Decimal100& v) {
  if (!isfinite(v)) return std::nullopt;
  const double d = v.convert_to<double>();
  // Far from the subnormals, so that 2^-50 |d| is a relative bound.
  if (d != 0 && !(std::fabs(d) >= kBoundDecimalSmallest && std::fabs(d) <= 1e300))
    return std::nullopt;
  // The check below is itself rounded: Decimal100(d) and the claim each by
  // at most 1e-100 relative, the difference likewise. Passing it proves
  // |v - d| <= 2^-50 |d| (1 + 1e-99) + 1e-100 |d|, well inside 2^-49 |d|.
  // v = 0 passes only with d = 0 and then has the bound 0.
  const double claim = kBoundDecimalClaim * std::fabs(d);
  if (!(abs(v - Decimal100(d)) <= Decimal100(claim))) return std::nullopt;
  return BoundedDouble{d, kBoundDecimalError * std::fabs(d)};
}

}  // namespace corvanta
