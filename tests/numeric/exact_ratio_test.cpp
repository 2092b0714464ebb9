#include "numeric/exact_ratio.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "numeric/constants.h"
#include "numeric/number_text.h"

namespace corvanta {
namespace {

void ExpectRatio(const std::optional<ExactRatio>& r, const std::string& text, const BigInt& p,
                 const BigInt& q) {
  ASSERT_TRUE(r.has_value()) << text;
  EXPECT_EQ(r->numerator, p) << text;
  EXPECT_EQ(r->denominator, q) << text;
}

TEST(ExactRatioFromText, RecoversTheRatioTheDigitsStandFor) {
  const std::string zeros(110, '0');
  const struct {
    std::string text;
    int p, q;
  } cases[] = {
      {"0.75", 3, 4},
      {"2", 2, 1},
      {"1.5", 3, 2},
      {"-1.5", -3, 2},
      {"0.1", 1, 10},
      {"0." + std::string(110, '3'), 1, 3},  // not 333.../10^110
      // Below 1e-110 in magnitude, either sign; the sheet writes such a
      // value with its sign ("-0.000...").
      {"1e-111", 0, 1},
      {"-1e-111", 0, 1},
      {"0." + zeros, 0, 1},
      {"-0." + zeros, 0, 1},
      // Quotients as the set-up sheet writes them, guard digits and all.
      {FixedText(Decimal100(-1) / 7, 110), -1, 7},
      {FixedText(Decimal100(355) / 113, 110), 355, 113},
      {FixedText(Decimal100(5000) / 3, 110), 5000, 3},
  };
  for (const auto& c : cases) ExpectRatio(ExactRatioFromText(c.text), c.text, c.p, c.q);
  // 1e-110 itself is the tolerance: neither 0/1 nor the remainder's stop
  // applies, and the next step finds it (the literal reading refuses the "e").
  ExpectRatio(ExactRatioFromText("1e-110"), "1e-110", 1, pow(BigInt(10), 110));
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

TEST(ExactRatioFromText, RefusesTextsTheParserRejectsWithoutThrowing) {
  // "" is refused although the Binary100 reader would take it as 0.
  for (const char* text :
       {"", "abc", "1.2.3", " 5", "0x10", "1,5", "inf", "nan", "1e99999999999"}) {
    std::optional<ExactRatio> r;
    EXPECT_NO_THROW(r = ExactRatioFromText(text)) << text;
    EXPECT_FALSE(r.has_value()) << text;
  }
}

TEST(DecimalTextRatio, ReadsTheDigitsLiterallyAndReduces) {
  const struct {
    const char* text;
    int p, q;
  } cases[] = {
      {"12.50", 25, 2},
      {"7", 7, 1},
      {"-12.50", -25, 2},
      {"1000", 1000, 1},
      {".5", 1, 2},
      {"5.", 5, 1},
      {"-0.00", 0, 1},
      // Leading zeros are decimal: an octal reading gives 85/10, or refuses 8 and 9.
      {"012.5", 25, 2},
      {"0.089", 89, 1000},
  };
  for (const auto& c : cases) ExpectRatio(DecimalTextRatio(c.text), c.text, c.p, c.q);
  for (const char* text : {"", "-", ".", "-.", "+5", "1.2.3", "1e5", "0x1F", " 5", "5-"}) {
    EXPECT_FALSE(DecimalTextRatio(text).has_value()) << text;
  }
}

TEST(ContinuedFractionRatio, StopsAtTheFirstConvergentStrictlyWithinTolerance) {
  const Binary100 pi(FixedText(Pi(), 100));
  ExpectRatio(ContinuedFractionRatio(pi, Binary100("0.01")), "pi", 22, 7);
  ExpectRatio(ContinuedFractionRatio(pi, Binary100("1e-6")), "pi", 355, 113);
  // 0/1 misses 0.5 by exactly the tolerance, which is not within it.
  ExpectRatio(ContinuedFractionRatio(Binary100("0.5"), Binary100("0.5")), "0.5", 1, 2);
  ExpectRatio(ContinuedFractionRatio(Binary100("0.5"), Binary100("0.50001")), "0.5", 0, 1);
}

// The golden ratio's convergents are F(i+2)/F(i+1), off by about
// 1/(sqrt(5) F(i+1)^2): 7.1e-54 at the 128th step, 2.7e-54 at the 129th.
TEST(ContinuedFractionRatio, ExpandsAtMost128PartialQuotients) {
  const Binary100 phi = (Binary100(1) + sqrt(Binary100(5))) / 2;
  BigInt f1 = 1, f2 = 1;
  for (int i = 3; i <= 129; ++i) f1 = std::exchange(f2, f1 + f2);  // F(128), F(129)
  ExpectRatio(ContinuedFractionRatio(phi, Binary100("1e-53")), "phi", f2, f1);
  EXPECT_FALSE(ContinuedFractionRatio(phi, Binary100("5e-54")).has_value());
}

}  // namespace
}  // namespace corvanta
