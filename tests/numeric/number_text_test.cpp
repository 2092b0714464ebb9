#include "numeric/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <locale>
#include <string>

namespace corvanta {
namespace {

struct TextCase {
  const char* value;
  int decimals;
  const char* text;
};

TEST(FixedText, Decimal100RoundsItsDecimalDigitsTiesToEven) {
  const TextCase cases[] = {
      {"2.5", 3, "2.500"},        {"0.125", 2, "0.12"},       {"0.135", 2, "0.14"},
      {"0.1650000000000000000001", 2, "0.17"},                {"9.99999", 2, "10.00"},
      {"-0.165", 2, "-0.16"},     {"-1e-200", 5, "-0.00000"}, {"1e20", 2, "100000000000000000000.00"},
      {"nan", 4, "nan"},          {"inf", 4, "inf"},          {"-inf", 4, "-inf"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(FixedText(Decimal100(c.value), c.decimals), c.text) << c.value;
}

TEST(FixedText, Binary100RoundsItsBinaryValue) {
  // 0.135 is held a little below the tie, 0.145 a little above.
  const TextCase cases[] = {{"0.135", 2, "0.13"}, {"0.145", 2, "0.15"}, {"0.125", 2, "0.12"},
                            {"-2.5", 1, "-2.5"},  {"inf", 3, "inf"}};
  for (const TextCase& c : cases) EXPECT_EQ(FixedText(Binary100(c.value), c.decimals), c.text) << c.value;
}

TEST(FixedText, OddPrecisionsAndHugeValuesDoNotThrow) {
  // A negative precision makes the library throw std::length_error.
  EXPECT_EQ(FixedText(Decimal100("2.5"), -3), FixedText(Decimal100("2.5"), 0));
  EXPECT_EQ(FixedText(Binary100("2.5"), -3), FixedText(Binary100("2.5"), 0));
  const std::string huge = FixedText(Decimal100("1e1000"), 2);
  EXPECT_EQ(huge.size(), 1004u);
  EXPECT_EQ(huge.substr(0, 2) + huge.substr(998), "10000.00");
}

TEST(FixedText, DoubleUsesTheStreamAndRoundsExactTiesToEven) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {0.03125, 4, "0.0312"},  {0.09375, 4, "0.0938"},  {2.5, 0, "2"},
      {1e20, 4, "100000000000000000000.0000"},          {-0.0, 4, "-0.0000"},
      {std::numeric_limits<double>::infinity(), 4, "inf"},
      {-std::numeric_limits<double>::quiet_NaN(), 4, "nan"},
  };
  for (const auto& c : cases) EXPECT_EQ(FixedText(c.value, c.decimals), c.text) << c.value;
}

// A global locale with a decimal comma and grouping must not reach the texts.
struct GroupingComma : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(FixedText, IgnoresTheGlobalLocale) {
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new GroupingComma));
  const std::string text = FixedText(1234567.5, 2);
  std::locale::global(previous);
  EXPECT_EQ(text, "1234567.50");
}

TEST(IntegerText, PlainDecimalWithoutGrouping) {
  EXPECT_EQ(IntegerText(pow(BigInt(10), 30)), "1" + std::string(30, '0'));
  EXPECT_EQ(IntegerText(BigInt(-1234567)), "-1234567");
  EXPECT_EQ(IntegerText(BigInt(0)), "0");
}

TEST(ToothCountText, FormatsAsPercentI) {
  const struct {
    int teeth;
    const char* text;
  } cases[] = {{1, "1"}, {169, "169"}, {-1, "-1"}, {INT_MIN, "-2147483648"}};
  for (const auto& c : cases) EXPECT_EQ(ToothCountText(c.teeth), c.text);
}

}  // namespace
}  // namespace corvanta
