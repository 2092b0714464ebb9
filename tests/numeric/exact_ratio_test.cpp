#include "numeric/exact_ratio.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "numeric/constants.h"
#include "numeric/number_text.h"

namespace corvanta {
namespace {

using Expected = std::optional<std::pair<BigInt, BigInt>>;  // nullopt: refused

void ExpectRatio(const std::optional<ExactRatio>& r, const Expected& expected,
                 const std::string& text) {
  ASSERT_EQ(r.has_value(), expected.has_value()) << text;
  if (!r) return;
  EXPECT_EQ(std::make_pair(r->numerator, r->denominator), *expected) << text;
}

TEST(ExactRatioFromText, RecoversTheRatioTheDigitsStandForOrRefuses) {
  const std::string zeros(110, '0');
  const std::pair<std::string, Expected> cases[] = {
      {"0.1", std::pair(1, 10)},
      {"0." + std::string(110, '3'), std::pair(1, 3)},  // not 333.../10^110
      // Below 1e-110 in magnitude, either sign; the sheet writes such a
      // value with its sign ("-0.000...").
      {"-1e-111", std::pair(0, 1)},
      {"-0." + zeros, std::pair(0, 1)},
      // Quotients as the set-up sheet writes them, guard digits and all.
      {FixedText(Decimal100(-1) / 7, 110), std::pair(-1, 7)},
      {FixedText(Decimal100(5000) / 3, 110), std::pair(5000, 3)},
      // 1e-110 itself is the tolerance: neither 0/1 nor the remainder's stop
      // applies, and the next step finds it (the literal reading refuses the "e").
      {"1e-110", std::pair(BigInt(1), pow(BigInt(10), 110))},
      // "" is refused although the Binary100 reader would take it as 0; none throws.
      {"", {}}, {" 5", {}}, {"1,5", {}}, {"inf", {}}, {"nan", {}}, {"1e99999999999", {}},
  };
  for (const auto& [text, expected] : cases) {
    std::optional<ExactRatio> r;
    EXPECT_NO_THROW(r = ExactRatioFromText(text)) << text;
    ExpectRatio(r, expected, text);
  }
}

// sqrt(2) = [1; 2, 2, ...] needs about 131 steps before a convergent rounds
// to the same Binary100, so its digits are read literally.
TEST(ExactRatioFromText, FallsBackToTheDigitsWhenTheExpansionRunsOut) {
  const std::string text = FixedText(sqrt(Decimal100(2)), 110);
  ASSERT_FALSE(ContinuedFractionRatio(Binary100(text), Binary100("1e-110")).has_value());
  const std::optional<ExactRatio> r = ExactRatioFromText(text);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(gcd(r->numerator, r->denominator), 1);
  EXPECT_EQ(r->numerator * pow(BigInt(10), 110), BigInt("1" + text.substr(2)) * r->denominator);
}

TEST(DecimalTextRatio, ReadsTheDigitsLiterallyAndReduces) {
  const std::pair<std::string, Expected> cases[] = {
      {"-12.50", std::pair(-25, 2)},
      {".5", std::pair(1, 2)},
      {"5.", std::pair(5, 1)},
      {"-0.00", std::pair(0, 1)},
      // Leading zeros are decimal: an octal reading gives 85/10, or refuses 8 and 9.
      {"012.5", std::pair(25, 2)},
      {"0.089", std::pair(89, 1000)},
      {"", {}}, {"-.", {}}, {"+5", {}}, {"1.2.3", {}}, {"1e5", {}}, {"5-", {}},  // refused
  };
  for (const auto& [text, expected] : cases) ExpectRatio(DecimalTextRatio(text), expected, text);
}

TEST(ContinuedFractionRatio, StopsAtTheFirstConvergentStrictlyWithinTolerance) {
  const Binary100 pi(FixedText(Pi(), 100));
  ExpectRatio(ContinuedFractionRatio(pi, Binary100("1e-6")), std::pair(355, 113), "pi");
  // 0/1 misses 0.5 by exactly the tolerance, which is not within it.
  ExpectRatio(ContinuedFractionRatio(Binary100("0.5"), Binary100("0.5")), std::pair(1, 2), "0.5");
  ExpectRatio(ContinuedFractionRatio(Binary100("0.5"), Binary100("0.50001")), std::pair(0, 1),
              "0.5");
  // The golden ratio's convergents are F(i+2)/F(i+1), off by about
  // 1/(sqrt(5) F(i+1)^2): 7.1e-54 at the 128th step, 2.7e-54 at the 129th.
  const Binary100 phi = (Binary100(1) + sqrt(Binary100(5))) / 2;
  BigInt f1 = 1, f2 = 1;
  for (int i = 3; i <= 129; ++i) f1 = std::exchange(f2, f1 + f2);  // F(128), F(129)
  ExpectRatio(ContinuedFractionRatio(phi, Binary100("1e-53")), std::pair(f2, f1), "phi");
  EXPECT_FALSE(ContinuedFractionRatio(phi, Binary100("5e-54")).has_value());
}

}  // namespace
}  // namespace corvanta
