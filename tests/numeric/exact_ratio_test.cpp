#include "numeric/exact_ratio.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

#include "numeric/constants.h"
#include "numeric/number_text.h"

namespace corvanta {
namespace {

struct RatioCase {
  std::string text;
  std::string numerator;
  std::string denominator;
};

void ExpectRatio(const std::optional<ExactRatio>& ratio, const RatioCase& c) {
  ASSERT_TRUE(ratio.has_value()) << c.text;
  EXPECT_EQ(ratio->numerator, BigInt(c.numerator)) << c.text;
  EXPECT_EQ(ratio->denominator, BigInt(c.denominator)) << c.text;
}

TEST(ExactRatioFromText, RecoversTheRatioTheDigitsStandFor) {
  const std::string zeros110(110, '0');
  const RatioCase cases[] = {
      {"0.75", "3", "4"},
      {"2", "2", "1"},
      {"1.5", "3", "2"},
      {"-1.5", "-3", "2"},
      {"0.1", "1", "10"},
      {"0." + std::string(110, '3'), "1", "3"},  // not 333.../10^110
      {".", "0", "1"},                           // the library reads a lone point as 0
      // Smaller than 1e-110 in magnitude, either sign, gives 0/1; the sheet's
      // rendering of such a value keeps the sign ("-0.000...").
      {"1e-111", "0", "1"},
      {"-1e-111", "0", "1"},
      {"0." + zeros110, "0", "1"},
      {"-0." + zeros110, "0", "1"},
  };
  for (const RatioCase& c : cases) ExpectRatio(ExactRatioFromText(c.text), c);
}

// The way the set-up sheet uses it: a Decimal100 quotient written with 110
// decimals comes back as the quotient, guard digits and all.
TEST(ExactRatioFromText, RecoversSmallQuotientsFromTheirSheetRendering) {
  const int quotients[][2] = {{2, 3}, {-1, 7}, {22, 7}, {355, 113}, {1, 48}, {5000, 3}, {7, 65536}};
  for (const auto& q : quotients) {
    const std::string text = FixedText(Decimal100(q[0]) / Decimal100(q[1]), 110);
    ExpectRatio(ExactRatioFromText(text),
                {text, std::to_string(q[0]), std::to_string(q[1])});
  }
}

// Either way the result is exact: the continued fraction's convergent has
// the text's Binary100 value, the literal reading the text's decimal value.
TEST(ExactRatioFromText, ResultIsInLowestTermsAndExact) {
  const Decimal100 values[] = {Pi(), Decimal100("0.0123456789012345678901234567890123456789"),
                               Decimal100(1) / Decimal100(977), Decimal100("-123.456")};
  for (const Decimal100& v : values) {
    const std::string text = FixedText(v, 110);
    const std::optional<ExactRatio> r = ExactRatioFromText(text);
    ASSERT_TRUE(r.has_value()) << text;
    EXPECT_GT(r->denominator, 0) << text;
    EXPECT_EQ(gcd(r->numerator, r->denominator), 1) << text;
    // Both parts of a convergent fit Binary100's mantissa, so reading their
    // decimal text is exact.
    const bool asConvergent =
        Binary100(IntegerText(r->numerator)) / Binary100(IntegerText(r->denominator)) ==
        Binary100(text);
    const std::optional<ExactRatio> literal = DecimalTextRatio(text);
    const bool asDigits = literal && literal->numerator == r->numerator &&
                          literal->denominator == r->denominator;
    EXPECT_TRUE(asConvergent || asDigits) << text;
  }
}

TEST(ExactRatioFromText, RefusesTextsTheParserRejects) {
  // "" is refused although the Binary100 reader would take it as 0.
  for (const char* text : {"", "abc", "1.2.3", " 5", "5 ", "0x10", "1,5", "inf", "-inf", "nan",
                           "1e99999999999", "--1"}) {
    std::optional<ExactRatio> r;
    EXPECT_NO_THROW(r = ExactRatioFromText(text)) << text;
    EXPECT_FALSE(r.has_value()) << text;
  }
}

TEST(DecimalTextRatio, ReadsTheDigitsLiterallyAndReduces) {
  const RatioCase cases[] = {
      {"12.50", "25", "2"},   {"7", "7", "1"},       {"-12.50", "-25", "2"},
      {"1000", "1000", "1"},  {".5", "1", "2"},      {"5.", "5", "1"},
      {"-0.00", "0", "1"},    {"0.2500", "1", "4"},  {"0.0" + std::string(120, '0') + "1", "1", "1" + std::string(122, '0')},
      // Leading zeros are decimal: an octal reading gives 85/10, or refuses 8 and 9.
      {"012.5", "25", "2"},   {"0.089", "89", "1000"},
  };
  for (const RatioCase& c : cases) ExpectRatio(DecimalTextRatio(c.text), c);
}

TEST(DecimalTextRatio, RefusesWhatIsNotADecimalNumber) {
  for (const char* text : {"", "-", ".", "-.", "+5", "1.2.3", "1e5", "0x1F", " 5", "5 ", "--5", "5-"}) {
    EXPECT_FALSE(DecimalTextRatio(text).has_value()) << text;
  }
}

TEST(ContinuedFractionRatio, StopsAtTheFirstConvergentStrictlyWithinTolerance) {
  const Binary100 pi(FixedText(Pi(), 100));
  const struct {
    Binary100 value, tolerance;
    const char *numerator, *denominator;
  } cases[] = {
      {pi, Binary100("0.01"), "22", "7"},
      {pi, Binary100("1e-6"), "355", "113"},
      // 0/1 misses 0.5 by exactly the tolerance, which is not within it.
      {Binary100("0.5"), Binary100("0.5"), "1", "2"},
      {Binary100("0.5"), Binary100("0.50001"), "0", "1"},
  };
  for (const auto& c : cases) {
    ExpectRatio(ContinuedFractionRatio(c.value, c.tolerance), {"expansion", c.numerator, c.denominator});
  }
}

// The golden ratio's partial quotients are all 1 and its convergents are
// F(i+2)/F(i+1), off by about 1/(sqrt(5) F(i+1)^2): 7.1e-54 after the 128th
// step, 2.7e-54 after the 129th. So the tolerance decides whether the last
// allowed step is reached or the steps run out.
TEST(ContinuedFractionRatio, ExpandsAtMost128PartialQuotients) {
  const Binary100 phi = (Binary100(1) + sqrt(Binary100(5))) / 2;
  BigInt f1 = 1, f2 = 1;  // F(1), F(2)
  for (int i = 3; i <= 129; ++i) f1 = std::exchange(f2, f1 + f2);
  ExpectRatio(ContinuedFractionRatio(phi, Binary100("1e-53")), {"phi", f2.str(), f1.str()});
  EXPECT_FALSE(ContinuedFractionRatio(phi, Binary100("5e-54")).has_value());
}

TEST(ContinuedFractionRatio, HasNoRatioForNanOrInfinity) {
  for (const Binary100& v : {std::numeric_limits<Binary100>::quiet_NaN(),
                             std::numeric_limits<Binary100>::infinity(),
                             -std::numeric_limits<Binary100>::infinity()}) {
    EXPECT_FALSE(ContinuedFractionRatio(v, Binary100("1e-110")).has_value());
  }
}

}  // namespace
}  // namespace corvanta
