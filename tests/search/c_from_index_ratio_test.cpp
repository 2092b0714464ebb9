#include <gtest/gtest.h>

#include <limits>

#include "search/c_from_index_ratio.h"
#include "search_test_support.h"

namespace corvanta {
namespace {

using testing::Rational;
using testing::RelativeErrorInEps;
using testing::ToRational;

const Decimal100 kEps("1e-110");

// Ki T C / (C N + s), exactly.
Rational ExactIndexRatio(const Rational& c, const IndexTerms& t) {
  return ToRational(t.indexConstant) * t.hobThreads * c / (c * t.teeth + t.sign);
}

TEST(CFromIndexRatio, ReproducesTheRatioForBothSigns) {
  const std::vector<std::string> cs = {"0.75", "8.5", "25.1327412287183459", "35", "1234.5678",
                                       "99000"};
  for (const int sign : {-1, +1}) {
    for (const IndexTerms& base : {IndexTerms{Decimal100(30), 1, 40, 0},
                                   IndexTerms{Decimal100("1.5"), 3, 7, 0}}) {
      IndexTerms terms = base;
      terms.sign = sign;
      for (const std::string& text : cs) {
        const Decimal100 y = IndexRatio(Decimal100(text), terms);
        const Decimal100 c = CFromIndexRatio(y, terms);
        // The bisection closes to neighbouring values of C; the ratio at
        // the C it returns then agrees with y to the type's precision.
        EXPECT_LE(RelativeErrorInEps(y, ExactIndexRatio(ToRational(c), terms)), 10.0)
            << sign << " " << text;
        // C itself is as good as the ratio allows: d(ln C) = d(ln y) (C N + s) / s.
        const double condition = std::stod(text) * terms.teeth + 1;
        EXPECT_LE(RelativeErrorInEps(c, ToRational(Decimal100(text))), 10.0 * condition)
            << sign << " " << text;
      }
    }
  }
}

TEST(CFromIndexRatio, WholeCStillCarriesTheOffset) {
  // 3125 lies on the bisection's path (50000 halved four times), so the
  // ratio of 3125 is met exactly and the search stops right there.
  for (const int sign : {-1, +1}) {
    const IndexTerms terms{Decimal100(30), 1, 40, sign};
    const Decimal100 c = CFromIndexRatio(IndexRatio(Decimal100(3125), terms), terms);
    EXPECT_EQ(c, Decimal100(3125) + kEps);
    EXPECT_GT(c, Decimal100(3125));
  }
}

TEST(CFromIndexRatio, UnreachableRatiosGiveOnlyTheOffset) {
  // Ki T / N is the limit of the index ratio as C grows: no C in range
  // reaches it, nor anything beyond it.
  for (const int sign : {-1, +1}) {
    const IndexTerms terms{Decimal100(30), 1, 40, sign};
    EXPECT_EQ(CFromIndexRatio(Decimal100("0.75"), terms), kEps) << sign;
    const Decimal100 beyond = sign > 0 ? Decimal100("0.76") : Decimal100("0.74");
    EXPECT_EQ(CFromIndexRatio(beyond, terms), kEps) << sign;
  }
  // A NaN ratio stops at the first comparison, at the starting C.
  const IndexTerms terms{Decimal100(30), 1, 40, -1};
  EXPECT_EQ(CFromIndexRatio(std::numeric_limits<Decimal100>::quiet_NaN(), terms),
            Decimal100(50000) + kEps);
}

TEST(CFromIndexRatio, ReadsTheTermsFromTheControls) {
  MemoryControls controls;
  testing::Job job;
  job.row = 1;  // s = +1
  testing::SetJob(controls, job);
  const IndexTerms terms{Decimal100(30), 1, 40, +1};
  const Decimal100 y("0.7492");
  EXPECT_EQ(CFromIndexRatio(y, controls), CFromIndexRatio(y, terms));
  controls.SetText(IDC_INDEX_CONST, "");
  EXPECT_FALSE(CFromIndexRatio(y, controls));
}

}  // namespace
}  // namespace corvanta
