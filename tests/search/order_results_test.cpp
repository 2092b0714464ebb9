// The final order of the results: duplicates out, smallest feed error
// first, the tie-breaks, the cut at 200.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <limits>
#include <string>

#include "search/order_results.h"
#include "search/search_worker.h"

namespace corvanta {
namespace {

using Counts = std::array<std::uint16_t, 8>;

// A result from its tooth counts in record order.
SolveResult Make(const Counts& t, const std::string& feedError, const std::string& c = "20") {
  return SolveResult{{t[0], t[1]}, {t[2], t[3]}, {t[4], t[5]}, {t[6], t[7]},
                     Decimal100(feedError), Decimal100(c)};
}

std::vector<Counts> CountsOf(const std::vector<SolveResult>& results) {
  std::vector<Counts> counts;
  for (const SolveResult& r : results) counts.push_back(ToothCounts(r));
  return counts;
}

TEST(RepeatCount, CountsEveryToothCountBeyondItsFirst) {
  const struct {
    Counts counts;
    int repeats;
  } cases[] = {
      {{20, 21, 22, 23, 24, 25, 26, 27}, 0},
      {{20, 20, 22, 23, 24, 25, 26, 27}, 1},
      {{20, 21, 22, 23, 24, 25, 26, 20}, 1},  // far apart still counts
      {{20, 20, 20, 23, 24, 25, 26, 27}, 2},  // three of a kind
      {{20, 20, 21, 21, 24, 25, 26, 27}, 2},
      {{40, 40, 40, 40, 40, 40, 40, 40}, 7},
  };
  for (const auto& c : cases) EXPECT_EQ(RepeatCount(Make(c.counts, "0")), c.repeats);
}

TEST(OrderResults, KeepsOneOfEachGearSetWhateverTheOrderWithinItsPairs) {
  std::vector<SolveResult> results = {
      Make({85, 53, 47, 35, 69, 62, 73, 44}, "3e-9"),
      Make({30, 30, 31, 31, 32, 32, 33, 33}, "1e-9"),
      Make({85, 53, 47, 35, 69, 62, 73, 44}, "3e-9"),  // the same gears again
      Make({53, 85, 35, 47, 62, 69, 44, 73}, "3e-9"),  // each pair the other way round
      Make({85, 53, 47, 35, 69, 62, 44, 72}, "3e-9"),  // one gear different: kept
      Make({30, 30, 31, 31, 32, 32, 33, 33}, "1e-9"),
  };
  OrderResults(results);
  EXPECT_EQ(CountsOf(results), (std::vector<Counts>{{30, 30, 31, 31, 32, 32, 33, 33},
                                                    {85, 53, 47, 35, 69, 62, 73, 44},
                                                    {85, 53, 47, 35, 69, 62, 44, 72}}));
}

TEST(OrderResults, TiesOnFeedErrorGoToFewerRepeatsThenSmallerCThenTheLastCounts) {
  std::vector<SolveResult> results = {
      Make({20, 20, 22, 23, 24, 25, 26, 27}, "1e-9", "10"),  // a repeated gear
      Make({21, 22, 23, 24, 25, 26, 27, 90}, "1e-9", "30"),
      Make({21, 22, 23, 24, 25, 26, 27, 28}, "1e-9", "30"),  // last count smaller
      Make({21, 22, 23, 24, 25, 26, 27, 29}, "1e-9", "20"),  // smaller C
      Make({30, 31, 32, 33, 34, 35, 36, 37}, "5e-10", "99"),  // smaller error
      Make({19, 22, 23, 24, 25, 26, 27, 28}, "1e-9", "30"),  // differs only in the first count
  };
  OrderResults(results);
  EXPECT_EQ(CountsOf(results), (std::vector<Counts>{{30, 31, 32, 33, 34, 35, 36, 37},
                                                    {21, 22, 23, 24, 25, 26, 27, 29},
                                                    {19, 22, 23, 24, 25, 26, 27, 28},
                                                    {21, 22, 23, 24, 25, 26, 27, 28},
                                                    {21, 22, 23, 24, 25, 26, 27, 90},
                                                    {20, 20, 22, 23, 24, 25, 26, 27}}));
}

// 400 results, 50 of them copies, in shuffled order: the 200 of smallest
// error remain, in order, whatever order they came in.
TEST(OrderResults, CutsThreeHundredFiftyDistinctToTheBestTwoHundred) {
  std::vector<SolveResult> distinct;
  for (std::uint16_t k = 0; k < 350; ++k) {
    // a > b always, so no two of them are the same pair of gears.
    const auto a = static_cast<std::uint16_t>(20 + k % 140), b = static_cast<std::uint16_t>(16 + k / 140);
    // Errors 350e-9 down to 1e-9: the list arrives worst first.
    distinct.push_back(Make({a, b, 40, 41, 42, 43, 44, 45}, std::to_string(350 - k) + "e-9"));
  }
  std::vector<SolveResult> results = distinct;
  results.insert(results.end(), distinct.begin(), distinct.begin() + 50);
  std::shuffle(results.begin(), results.end(), std::mt19937(7));

  OrderResults(results);
  ASSERT_EQ(results.size(), kMaxResults);
  for (std::size_t k = 0; k < results.size(); ++k)
    EXPECT_EQ(results[k].feedError, Decimal100(std::to_string(k + 1) + "e-9")) << k;
  EXPECT_EQ(results.capacity(), kMaxResults);
}

TEST(OrderResults, ANotANumberSortsLastInsteadOfBreakingTheSort) {
  std::vector<SolveResult> results;
  const Decimal100 nan = std::numeric_limits<Decimal100>::quiet_NaN();
  for (std::uint16_t k = 0; k < 40; ++k) {
    results.push_back(Make({static_cast<std::uint16_t>(20 + k), 20, 40, 41, 42, 43, 44, 45}, "1e-9"));
    if (k % 3 == 0) results.back().feedError = nan;
    if (k % 5 == 0) results.back().C = nan;
  }
  OrderResults(results);
  ASSERT_EQ(results.size(), 40u);
  const auto firstNan = std::find_if(results.begin(), results.end(),
                                     [](const SolveResult& r) { return isnan(r.feedError); });
  EXPECT_EQ(firstNan - results.begin(), 40 - 14);
  EXPECT_TRUE(std::all_of(firstNan, results.end(), [](const SolveResult& r) { return isnan(r.feedError); }));
}

}  // namespace
}  // namespace corvanta
