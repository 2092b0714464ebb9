#include "numeric/whole_number.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace corvanta {
namespace {

Decimal100 Power10(int exponent) { return Decimal100("1e" + std::to_string(exponent)); }

TEST(IsWholeNumber, WholeOnlyInTheHalfOpenBandAboveTheFloor) {
  const struct {
    Decimal100 x;
    bool whole;
  } cases[] = {
      {Decimal100(5), true},
      {Decimal100(5) + Power10(-96), true},
      {Decimal100(5) + Power10(-94), false},
      {Decimal100(5) - Power10(-99), false},  // the floor is 4
      {Decimal100(-5), true},
      {Decimal100(-5) + Power10(-96), true},  // the floor is still -5
      {Decimal100(-5) - Power10(-96), false},
      {Decimal100("-4.5"), false},
      {Decimal100(0), true},
      // The band's width is the double nearest 1e-95, 9.99999999999999989e-96,
      // so the decimal 1e-95 and anything between the two lie outside it.
      {Decimal100("9.9999999999999998e-96"), true},
      {Decimal100("9.9999999999999999e-96"), false},
      {Power10(-95), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsWholeNumber(c.x), c.whole) << c.x;
}

TEST(IsWholeNumber, NanAndInfinitiesAreNotWhole) {
  EXPECT_FALSE(IsWholeNumber(std::numeric_limits<Decimal100>::quiet_NaN()));
  EXPECT_FALSE(IsWholeNumber(std::numeric_limits<Decimal100>::infinity()));
  EXPECT_FALSE(IsWholeNumber(-std::numeric_limits<Decimal100>::infinity()));
}

}  // namespace
}  // namespace corvanta
