#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "search/bracket_search.h"
#include "search_test_support.h"

namespace corvanta {
namespace {

struct BracketCase {
  StockGears stock;
  std::size_t denominator;
  Decimal100 target;
  std::size_t lo, hi;
  std::vector<std::size_t> mids;  // the middle after every step
};

// Stock 20, 30, 40 gives the products 400, 600, 600, 800, 800, 900, 1200,
// 1200, 1600; over entry 0 the ratios are 1, 1.5, 1.5, 2, 2, 2.25, 3, 3, 4.
// Each case was stepped through by hand; the comments name the rule that
// makes it interesting.
const std::vector<BracketCase>& Cases() {
  static const Decimal100 nan = std::numeric_limits<Decimal100>::quiet_NaN();
  static const std::vector<BracketCase> cases = {
      {{20, 30, 40}, 0, Decimal100("1.2"), 0, 1, {2, 1, 0, 0}},  // odd mid 1 is not above 2
      {{20, 30, 40}, 0, Decimal100("2.6"), 4, 6, {6, 5, 5}},     // odd mid lowers lo by one
      {{20, 30, 40}, 0, Decimal100("1.8"), 2, 4, {2, 3, 3}},     // odd mid 3 raises hi by one
      {{20, 30, 40}, 0, Decimal100(5), 6, 8, {6, 7, 7}},         // above every ratio
      {{20, 30, 40}, 0, Decimal100("0.5"), 0, 0, {2, 1, 0, 0, 0}},
      {{20, 30, 40}, 0, Decimal100(2), 0, 8, {4}},               // exact hit ends at once
      {{20, 30, 40}, 0, nan, 0, 8, {4}},                         // NaN moves nothing
      {{20, 30, 40}, 8, Decimal100("0.6"), 4, 6, {6, 5, 5}},     // ratios over 1600
      {{20, 40}, 0, Decimal100(3), 0, 3, {1}},                   // the first step cannot shrink
      {{40}, 0, Decimal100(2), 0, 0, {0}},
  };
  return cases;
}

TEST(BracketSearch, HandWorkedBracketsAndSteps) {
  for (const BracketCase& c : Cases()) {
    const PairTable table = MakePairTable(c.stock);
    std::vector<std::size_t> mids;
    const Bracket tested = BracketSearch(table, c.denominator, c.target,
                                         [&](std::size_t mid, const Decimal100& y) {
                                           EXPECT_EQ(y, TrainRatio(table, mid, c.denominator));
                                           mids.push_back(mid);
                                         });
    const Bracket plain = BracketSearch(table, c.denominator, c.target);
    EXPECT_EQ(tested.lo, c.lo) << c.target;
    EXPECT_EQ(tested.hi, c.hi) << c.target;
    EXPECT_EQ(mids, c.mids) << c.target;
    EXPECT_EQ(plain.lo, tested.lo) << c.target;
    EXPECT_EQ(plain.hi, tested.hi) << c.target;
  }
}

}  // namespace
}  // namespace corvanta
