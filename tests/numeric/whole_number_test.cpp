#include "numeric/whole_number.h"

#include <gtest/gtest.h>

#include <limits>

namespace corvanta {
namespace {

TEST(IsWholeNumber, WholeOnlyInTheHalfOpenBandAboveTheFloor) {
  const Decimal100 five(5), tiny96("1e-96");
  const struct {
    Decimal100 x;
    bool whole;
  } cases[] = {
      {five, true},
      {five + tiny96, true},
      {five + Decimal100("1e-94"), false},
      {five - Decimal100("1e-99"), false},  // the floor is 4
      {-five, true},
      {-five + tiny96, true},
      {-five - tiny96, false},
      {Decimal100("-4.5"), false},
      // The width is the double nearest 1e-95, 9.99999999999999989e-96: the
      // decimal 1e-95 and the edge itself lie outside.
      {Decimal100("9.9999999999999998e-96"), true},
      {Decimal100("9.9999999999999999e-96"), false},
      {Decimal100("1e-95"), false},
      {Decimal100(1e-95), false},
      {five + Decimal100(1e-95), false},
      {std::numeric_limits<Decimal100>::quiet_NaN(), false},
      {std::numeric_limits<Decimal100>::infinity(), false},
      {-std::numeric_limits<Decimal100>::infinity(), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsWholeNumber(c.x), c.whole) << c.x;
}

}  // namespace
}  // namespace corvanta
