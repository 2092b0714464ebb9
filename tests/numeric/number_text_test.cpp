#include "numeric/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>
#include <string>

namespace corvanta {
namespace {

TEST(FixedText, MultiprecisionRoundsDecimalTiesToEvenAndNeverThrows) {
  const struct {
    std::string text, expected;
  } cases[] = {
      {FixedText(Decimal100("0.125"), 2), "0.12"},
      {FixedText(Decimal100("0.135"), 2), "0.14"},
      {FixedText(Decimal100("9.99999"), 2), "10.00"},
      {FixedText(Decimal100("-1e-200"), 5), "-0.00000"},
      {FixedText(Decimal100("nan"), 4), "nan"},
      {FixedText(Decimal100("-inf"), 4), "-inf"},
      {FixedText(Binary100("0.135"), 2), "0.13"},  // held a little below the tie
      // A negative precision would make the library throw std::length_error.
      {FixedText(Decimal100("2.5"), -3), FixedText(Decimal100("2.5"), 0)},
      {FixedText(Binary100("2.5"), -3), FixedText(Binary100("2.5"), 0)},
      {FixedText(Decimal100("1e1000"), 2), "1" + std::string(1000, '0') + ".00"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST(FixedText, DoublesRoundExactTiesToEvenInBothBuilds) {
  EXPECT_EQ(FixedText(0.03125, 4), "0.0312");
  EXPECT_EQ(FixedText(0.09375, 4), "0.0938");
  EXPECT_EQ(FixedText(2.5, 0), "2");
  // 0.0 / 0.0 sets the sign bit: glibc would write "-nan".
  EXPECT_EQ(FixedText(-std::numeric_limits<double>::quiet_NaN(), 4), "nan");
}

struct GroupingComma : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(FixedText, IgnoresTheGlobalLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new GroupingComma));
  const std::string text = FixedText(1234567.5, 2);
  std::locale::global(previous);
  EXPECT_EQ(text, "1234567.50");
}

}  // namespace
}  // namespace corvanta
