#include "search/fast_c_from_index_ratio.h"

#include <optional>

#include "search/c_from_index_ratio.h"
#include "search/decimal_bounds.h"

namespace corvanta {

namespace {

// Where the bisection may decide a step without dividing, for one y.
//
// With K = Ki x T (as the bisection forms it), g = C N + s, a = K - N y and
// the root cRoot = s y / a, exactly
//     K C / g - y = a (C - cRoot) / g,
// so the ratio lies above y exactly when a, C - cRoot and g have an even
// number of negative signs. The bisection compares instead the rounded
// ratio r = (K x C) / (C x N + s), four operations of relative error at
// most e = 1e-100 each (decimal_bounds.h), so r is within (3 + k) e (1 +
// tiny) of K C / g, with k = |C N / g|. The comparison of r with y has the
// exact ratio's outcome whenever
//     |a| |C - cRoot| / |g| > beta K C / |g|,   beta = 11 e >= (3 + k) e
// for k <= 2, i.e. whenever C lies outside the relative band rho =
// beta K / |a| around cRoot. k <= 2 holds for s = +1 everywhere (C >= 0);
// for s = -1, where g vanishes at C = 1/N, it holds below 1/(4N) and above
// 4/N, and steps between those are taken in 100 digits.
//
// cRoot is itself computed in 100 digits: N y and K - N y round by e
// each, the second after a cancellation of about log10(C N) digits, so a
// errs by at most errA = e (N |y| + |a|) (1.01 for the doubles), and cRoot
// by alpha + 2e relative, alpha = errA / |a|. The band's ends, `below` and
// `above`, are cRoot moved out by twice all of that (and their own
// rounding), so C < below and C > above are decided correctly.
struct DecidedSteps {
  Decimal100 below, above;               // C < below or C > above: decided
  Decimal100 nearPoleLow, nearPoleHigh;  // s = -1: not decided in between
  int signA = 1;
};

std::optional<DecidedSteps> MakeDecidedSteps(const Decimal100& y, const IndexTerms& terms,
                                             const Decimal100& kiT, const Decimal100& teeth) {
  constexpr double e = kDecimalRelativeError;
  if (terms.teeth < 1 || (terms.sign != 1 && terms.sign != -1)) return std::nullopt;
  const Decimal100 a = kiT - teeth * y;
  const Decimal100 root = Decimal100(terms.sign) * y / a;
  const auto yb = BoundDecimal(y), ab = BoundDecimal(a), kb = BoundDecimal(kiT);
  if (!yb || !ab || !kb || ab->value == 0) return std::nullopt;

  const double absA = std::fabs(ab->value);
  const double errA = 1.01 * e * (terms.teeth * (std::fabs(yb->value) + yb->bound) + absA);
  const double aLow = absA - ab->bound - errA;  // |a| is at least this
  if (!(aLow > 0.5 * absA)) return std::nullopt;
  const double alpha = errA / aLow;
  const double rootError = 1.01 * alpha + 2.1 * e;
  const double rho = 1.01 * 11 * e * (std::fabs(kb->value) + kb->bound) / aLow;
  const double band = 2.02 * (rootError + rho + 2 * e);
  if (!(band < 0.01)) return std::nullopt;

  DecidedSteps steps;
  const Decimal100 inward = Decimal100(1) - Decimal100(band);
  const Decimal100 outward = Decimal100(1) + Decimal100(band);
  if (root > 0) {
    steps.below = root * inward;
    steps.above = root * outward;
  } else if (root < 0) {
    steps.below = root * outward;
    steps.above = root * inward;
  } else {
    return std::nullopt;
  }
  steps.nearPoleLow = Decimal100(0.25) / teeth;
  steps.nearPoleHigh = Decimal100(4) / teeth;
  steps.signA = ab->value > 0 ? 1 : -1;
  return steps;
}

}  // namespace

Decimal100 FastCFromIndexRatio(const Decimal100& y, const IndexTerms& terms) {
  if (!isfinite(y)) return CFromIndexRatio(y, terms);
  // The bracket starts 100000 wide and each step halves it, the new end
  // (a rounded midpoint below 100000) off by at most 2e-95; after k steps it
  // is at least 100000 / 2^k - 4e-95 wide, which is more than 1e-86 for k <
  // 300, and lo + eps < hi holds (lo + eps rounds by 1e-95 at most) without
  // being asked.
  constexpr int kNarrowAfter = 300;
  CBisection b(terms);
  const std::optional<DecidedSteps> decided = MakeDecidedSteps(y, terms, b.kiT, b.teeth);
  if (!decided) return CFromIndexRatio(y, terms);

  for (;;) {
    const Decimal100& c = b.c;
    bool ratioAbove;  // the rounded ratio at c lies above y
    const bool poleFar = !b.falling || c < decided->nearPoleLow || c > decided->nearPoleHigh;
    if (poleFar && (c < decided->below || c > decided->above)) {
      const int signG = !b.falling || c > decided->nearPoleHigh ? 1 : -1;
      const int signC = c > decided->above ? 1 : -1;
      ratioAbove = decided->signA * signC * signG > 0;
    } else {
      // The division CFromIndexRatio makes, formed the same way.
      const Decimal100 d = c * b.teeth + b.sign;
      if (d == 0) {
        b.c = 0;
        break;
      }
      const Decimal100 r = b.kiT * c / d;
      if (r == y) break;
      if (!(r > y) && !(r < y)) break;  // NaN
      ratioAbove = r > y;
    }
    if (!b.Halve(b.falling == ratioAbove, kNarrowAfter)) break;
  }
  return b.c + CBisection::Eps();
}

}  // namespace corvanta
