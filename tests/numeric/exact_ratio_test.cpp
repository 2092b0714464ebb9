#include "numeric/exact_ratio.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "numeric/number_text.h"

namespace corvanta {
namespace {

using Expected = std::optional<std::pair<BigInt, BigInt>>;  // nullopt: refused

TEST(ExactRatioFromText, RecoversTheRatioTheDigitsStandForOrRefuses) {
  const std::pair<std::string, Expected> cases[] = {
      {"0." + std::string(110, '3'), std::pair(1, 3)},  // not 333.../10^110
      // Below 1e-110 in magnitude: the sheet writes such a value with its sign.
      {"-0." + std::string(110, '0'), std::pair(0, 1)},
      // A quotient as the set-up sheet writes it, guard digits and all.
      {FixedText(Decimal100(-1) / 7, 110), std::pair(-1, 7)},
      // "" is refused although the Binary100 reader would take it as 0; none throws.
      {"", {}},
      {"1e99999999999", {}},
      // Exponents the base-2 reader would overflow a long on.
      {"1e9223372036854775807", {}},
  };
  for (const auto& [text, expected] : cases) {
    std::optional<ExactRatio> r;
    EXPECT_NO_THROW(r = ExactRatioFromText(text)) << text;
    ASSERT_EQ(r.has_value(), expected.has_value()) << text;
    if (r) {
      EXPECT_EQ(std::make_pair(r->numerator, r->denominator), *expected) << text;
    }
  }
}

}  // namespace
}  // namespace corvanta
