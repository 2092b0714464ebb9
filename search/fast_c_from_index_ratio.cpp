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
// errs by at most errA = e (N |y| + |a|) (kBoundRoundingFactor for the
// doubles), and cRoot by alpha + 2e relative, alpha = errA / |a| (2.1 e
// leaves room). The band's ends, `below` and `above`, are cRoot moved out
// by twice all of that (and their own rounding), so C < below and C >
// above are decided correctly.
//
// |a| is bounded below from doubles: with K and y known within kb.bound
// and yb.bound, the double aD = kD - N yD lies within kb.bound + N
// yb.bound of K - N y, plus its two roundings of 2^-53 each (N yD, then
// the difference).
struct DecidedSteps {
  Decimal100 below, above;  // C < below or C > above: decided
  int signA = 1;
};

// The band's "twice all of that" with its factor for the doubles: 2.02.
static_assert(2 * kBoundRoundingFactor == 2.02);

std::optional<DecidedSteps> MakeDecidedSteps(const Decimal100& y, const BoundedDouble& yb,
                                             const BoundedDouble& kb, const IndexTerms& terms,
                                             const Decimal100& kiT, const Decimal100& teeth) {
  constexpr double e = kDecimalRelativeError;
  const double n = terms.teeth;
  const double aD = kb.value - n * yb.value;
  const double absA = std::fabs(aD);
  const double aBound =
      kb.bound + n * yb.bound +
      kBoundRoundingFactor * kDoubleRoundingError * (n * std::fabs(yb.value) + absA);
  const double errA =
      kBoundRoundingFactor * e * (n * (std::fabs(yb.value) + yb.bound) + absA + aBound);
  const double aLow = absA - aBound - errA;  // |a| is at least this
  if (!(aLow > 0.5 * absA)) return std::nullopt;
  const double alpha = errA / aLow;
  const double rootError = kBoundRoundingFactor * alpha + 2.1 * e;
  const double rho = kBoundRoundingFactor * 11 * e * (std::fabs(kb.value) + kb.bound) / aLow;
  const double band = 2 * kBoundRoundingFactor * (rootError + rho + 2 * e);
  if (!(band < 0.01)) return std::nullopt;

  const Decimal100 a = kiT - teeth * y;
  const Decimal100 root = Decimal100(terms.sign) * y / a;
  DecidedSteps steps;
  const Decimal100 bandWidth(band);
  const Decimal100 inward = Decimal100(1) - bandWidth;
  const Decimal100 outward = Decimal100(1) + bandWidth;
  if (root > 0) {
    steps.below = root * inward;
    steps.above = root * outward;
  } else if (root < 0) {
    steps.below = root * outward;
    steps.above = root * inward;
  } else {
    return std::nullopt;
  }
  steps.signA = aD > 0 ? 1 : -1;
  return steps;
}

}  // namespace

FastCBisection::FastCBisection(const IndexTerms& terms)
    : terms_(terms),
      start_(terms),
      kiTBound_(BoundDecimal(start_.kiT)),
      nearPoleLow_(Decimal100(0.25) / start_.teeth),
      nearPoleHigh_(Decimal100(4) / start_.teeth) {}

Decimal100 FastCBisection::operator()(const Decimal100& y,
                                      const std::optional<BoundedDouble>& yBound) const {
  if (!isfinite(y)) return CFromIndexRatio(y, terms_);
  // The bracket starts 100000 wide and each step halves it, the new end
  // (a rounded midpoint below 100000) off by at most 2e-95; after k steps it
  // is at least 100000 / 2^k - 4e-95 wide, which is more than 1e-86 for k <
  // 300, and lo + eps < hi holds (lo + eps rounds by 1e-95 at most) without
  // being asked.
  constexpr int kNarrowAfter = 300;
  const std::optional<BoundedDouble> yb = yBound ? yBound : BoundDecimal(y);
  if (terms_.teeth < 1 || (terms_.sign != 1 && terms_.sign != -1) || !yb || !kiTBound_)
    return CFromIndexRatio(y, terms_);
  CBisection b = start_;
  const std::optional<DecidedSteps> decided =
      MakeDecidedSteps(y, *yb, *kiTBound_, terms_, b.kiT, b.teeth);
  if (!decided) return CFromIndexRatio(y, terms_);

  for (;;) {
    const Decimal100& c = b.c;
    bool ratioAbove;  // the rounded ratio at c lies above y
    const bool poleFar = !b.falling || c < nearPoleLow_ || c > nearPoleHigh_;
    if (poleFar && (c < decided->below || c > decided->above)) {
      const int signG = !b.falling || c > nearPoleHigh_ ? 1 : -1;
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

Decimal100 FastCFromIndexRatio(const Decimal100& y, const IndexTerms& terms) {
  return FastCBisection(terms)(y);
}

}  // namespace corvanta
