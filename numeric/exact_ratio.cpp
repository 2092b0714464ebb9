// GCC 12 (MinGW-w64 build) reports a "may be used uninitialized" temporary
// inside Boost's own cpp_int -> cpp_bin_float conversion when it inlines it
// here: a false positive in library code. The state must be set before the
// library's headers are read, since the warning points into them.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "numeric/exact_ratio.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <utility>

#include "numeric/decimal_text.h"

namespace corvanta {

namespace {

// 1e-110 as Binary100: the default tolerance, and the remainder below which
// the expansion stops whatever tolerance it was asked for. The constant is
// built from text, as the operator's values are, so both round alike.
const Binary100& RatioTolerance() {
  static const Binary100 tolerance("1e-110");
  return tolerance;
}

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<ExactRatio> ContinuedFractionRatio(const Binary100& value,
                                                 const Binary100& tolerance) {
  // floor() of an infinity or a NaN converts to the integer 0, which would
  // start a meaningless expansion; such a value has no ratio.
  if (!isfinite(value)) return std::nullopt;
  const Binary100& x = value;
  Binary100 y = x;
  const Binary100 one(1);

  // h1/k1 is the latest convergent, h2/k2 the one before.
  BigInt h1 = 1, h2 = 0, k1 = 0, k2 = 1;
  for (int step = 0; step < kContinuedFractionSteps; ++step) {
    const BigInt a = floor(y).convert_to<BigInt>();
    BigInt h = a * h1 + h2;
    BigInt k = a * k1 + k2;
    h2 = std::exchange(h1, std::move(h));
    k2 = std::exchange(k1, std::move(k));

    const Binary100 approx = Binary100(h1) / Binary100(k1);
    const Binary100 error = abs(x - approx);
    if (!isnan(error) && error < tolerance) return ExactRatio{h1, k1};

    // Never negative: a is the floor of y.
    const Binary100 frac = y - Binary100(a);
    if (frac < RatioTolerance()) return std::nullopt;
    y = one / frac;
  }
  return std::nullopt;
}

std::optional<ExactRatio> DecimalTextRatio(std::string_view text) {
  std::string digits(text);
  std::size_t fractionDigits = 0;
  const std::size_t point = digits.find('.');
  if (point != std::string::npos) {
    fractionDigits = digits.size() - point - 1;
    digits.erase(point, 1);
  }
  if (fractionDigits > std::numeric_limits<unsigned>::max()) return std::nullopt;

  const bool negative = !digits.empty() && digits.front() == '-';
  const std::size_t first = negative ? 1 : 0;
  if (first == digits.size() || !std::all_of(digits.begin() + static_cast<std::ptrdiff_t>(first),
                                             digits.end(), IsDecimalDigit)) {
    return std::nullopt;
  }
  // cpp_int's reader takes a leading 0 as an octal prefix ("0125" is 85, and
  // "0389" is refused), so the zeros are dropped before it sees the digits.
  const std::size_t significant = digits.find_first_not_of('0', first);
  BigInt numerator =
      significant == std::string::npos ? BigInt(0) : BigInt(digits.substr(significant));
  if (negative) numerator = -numerator;

  BigInt denominator = pow(BigInt(10), static_cast<unsigned>(fractionDigits));
  const BigInt divisor = gcd(numerator, denominator);  // never 0: denominator >= 1
  numerator /= divisor;
  denominator /= divisor;
  return ExactRatio{std::move(numerator), std::move(denominator)};
}

std::optional<ExactRatio> ExactRatioFromText(std::string text) {
  try {
    const std::optional<Binary100> value = ParseBinary100(text);
    if (!value) return std::nullopt;
    if (std::optional<ExactRatio> ratio = ContinuedFractionRatio(*value, RatioTolerance())) {
      return ratio;
    }
    return DecimalTextRatio(text);
  } catch (const std::exception&) {
    // Out of memory for an absurdly long text: the caller refuses, as it
    // does for a text that is no number.
    return std::nullopt;
  }
}

}  // namespace corvanta
