// The literal search: pair table, train ratios, bracket search, C from an
// index ratio, the worker's list, the job's C window, the split of the
// candidates and the final order.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "search/bracket_search.h"
#include "search/c_candidate.h"
#include "search/c_from_index_ratio.h"
#include "search/train_ratio.h"
#include "tests/support/search_job.h"

namespace corvanta {
namespace {

using testing::SearchJob;
using Counts = std::array<std::uint16_t, 8>;

// Equal products (1200 two ways) go by `first` ascending.
TEST(PairTable, AHandWorkedTable) {
  using Entries = std::vector<std::array<int, 3>>;  // first, second, product
  Entries table;
  for (const GearPair& e : MakePairTable({20, 30, 40, 60}))
    table.push_back({e.first, e.second, static_cast<int>(e.product)});
  const Entries expected = {{20, 20, 400},  {30, 20, 600},  {30, 20, 600},  {40, 20, 800},
                            {40, 20, 800},  {30, 30, 900},  {40, 30, 1200}, {40, 30, 1200},
                            {60, 20, 1200}, {60, 20, 1200}, {40, 40, 1600}, {60, 30, 1800},
                            {60, 30, 1800}, {60, 40, 2400}, {60, 40, 2400}, {60, 60, 3600}};
  EXPECT_EQ(table, expected);
}

// The two forms of a train's ratio (search/train_ratio.h), on 166 x 100
// over 164 x 135, where they differ in their last digits: the pair table's
// trains are compared by the first, a candidate's C comes from the second,
// and each is the same number however its products were formed.
TEST(TrainRatio, TheTwoFormsEachWhereItBelongs) {
  const Decimal100 compared = TrainRatio(16600, 22140);
  const Decimal100 derived = DecimalTrainRatio(ToothPair{166, 100}, ToothPair{164, 135});
  EXPECT_NE(compared, derived);
  EXPECT_LT(abs(compared - derived), derived * Decimal100("1e-100"));

  const PairTable table = MakePairTable({100, 135, 164, 166});
  const auto at = [&](std::uint16_t first, std::uint16_t second) {
    const auto entry = std::find_if(table.begin(), table.end(), [&](const GearPair& e) {
      return e.first == first && e.second == second;
    });
    return static_cast<std::size_t>(entry - table.begin());
  };
  EXPECT_EQ(TrainRatio(table, at(166, 100), at(164, 135)), compared);
  EXPECT_EQ(IndexRatioOf(CCandidate{164, 135, 166, 100, 0, 0}), derived);
  EXPECT_EQ((Decimal100(166) * Decimal100(100)) / (Decimal100(164) * Decimal100(135)), derived);
  EXPECT_EQ(Decimal100("16600") / Decimal100("22140"), derived);
  // TrainRatio's dividend is a temporary for a reason: a named one is
  // divided by the integer made a Decimal100, the second form.
  const Decimal100 dividend(std::uint64_t{16600});
  EXPECT_EQ(dividend / std::uint64_t{22140}, derived);
}

// 3125 lies on the bisection's path (50000 halved four times); Ki T / N =
// 0.75 is the ratio's limit, which no C in range reaches; a NaN stops at the
// first comparison, at the starting C.
TEST(CFromIndexRatio, ExactResultsCarryTheOffset) {
  const Decimal100 eps("1e-110");
  const IndexTerms minus{Decimal100(30), 1, 40, -1}, plus{Decimal100(30), 1, 40, +1};
  const std::vector<std::tuple<IndexTerms, Decimal100, Decimal100>> cases = {
      {plus, IndexRatio(Decimal100(3125), plus), Decimal100(3125) + eps},
      {minus, Decimal100("0.75"), eps},
      {minus, std::numeric_limits<Decimal100>::quiet_NaN(), Decimal100(50000) + eps},
  };
  for (const auto& [terms, y, c] : cases)
    EXPECT_EQ(CFromIndexRatio(y, terms), c) << y << " " << terms.sign;
}

// One worker keeps a match only when it beats the last one kept, even
// while fewer than 200 are kept, and puts it after those of equal error:
// either rule decides how many distinct results remain, and which is last.
TEST(SearchWorker, KeepsOnlyBetterMatchesEachAfterItsEquals) {
  struct Case {
    std::vector<int> stock;
    std::size_t count;
    Counts last;
  };
  const Case cases[] = {
      {testing::Stock(), 62, {89, 65, 50, 46, 83, 71, 75, 59}},  // the regression job
      {testing::Stock(20, 55), 35, {47, 24, 21, 20, 31, 29, 27, 25}},
  };
  for (const Case& c : cases) {
    testing::ReadySearch search({}, c.stock);
    std::vector<SolveResult> results = search.Run(0, search.candidates().size());
    OrderResults(results);
    ASSERT_FALSE(results.empty());
    EXPECT_EQ(results.size(), c.count) << c.stock[0];
    EXPECT_EQ(ToothCounts(results.back()), c.last) << c.stock[0];
  }
}

// The C window narrows with the length of the feed-rate text: one feed
// rate typed three ways, with the allowances 0.005, 0.0025 and 0.00075. A
// feed constant above 3 is taken as its reciprocal, 3 itself as typed.
TEST(JobValues, WindowByTheFeedRatesTextAndReciprocalFeedConstant) {
  const double cAtUnitFeed = 3.14159265358979323846 / 10 / 0.5;  // pi / Pn / sin 30
  const std::pair<const char*, double> feedRates[] = {
      {".025", 0.005}, {"0.025", 0.0025}, {"0.02500", 0.00075}};
  for (const auto& [typed, allowance] : feedRates) {
    SearchJob job;
    job.feedRate = typed;
    const JobValues values = testing::ValuesOf(job);
    EXPECT_NEAR(values.cMin.convert_to<double>(), cAtUnitFeed / (0.025 + allowance), 1e-9) << typed;
    EXPECT_NEAR(values.cMax.convert_to<double>(), cAtUnitFeed / (0.025 - allowance), 1e-9) << typed;
  }
  const std::pair<const char*, double> feedConstants[] = {
      {"0.075", 0.075}, {"3", 3}, {"13.3333", 1 / 13.3333}};
  for (const auto& [typed, used] : feedConstants) {
    SearchJob job;
    job.feedConst = typed;
    EXPECT_NEAR(testing::ValuesOf(job).feedConstant.convert_to<double>(), used, 1e-15) << typed;
  }
}

TEST(SplitCandidates, ChunksRoundedUpAndEmptyRangesAtTheEnd) {
  using Ranges = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
  const auto split = [](std::size_t n) {
    Ranges ranges;
    for (const WorkerRange& r : SplitCandidates(n, 8))
      ranges.emplace_back(r.rangeBegin, r.rangeEnd);
    return ranges;
  };
  EXPECT_EQ(split(10),
            (Ranges{{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}, {10, 10}, {10, 10}, {10, 10}}));
  EXPECT_EQ(split(3), (Ranges{{0, 3}, {3, 3}, {3, 3}}));
}

SolveResult Make(const Counts& t, const std::string& feedError, const std::string& c = "20") {
  return SolveResult{{t[0], t[1]}, {t[2], t[3]},          {t[4], t[5]},
                     {t[6], t[7]}, Decimal100(feedError), Decimal100(c)};
}

// Duplicates out (the same gears, whatever the order within each pair); a
// tie on the feed error goes to fewer repeats, before a smaller C; 350
// distinct results after them, worst first: the best 200 remain, in order.
TEST(OrderResults, DuplicatesOutTiesToFewerRepeatsAndTheBestTwoHundredKept) {
  std::vector<SolveResult> results = {
      Make({20, 20, 22, 23, 24, 25, 26, 27}, "1e-9", "10"),  // a repeated gear
      Make({21, 22, 23, 24, 25, 26, 27, 28}, "1e-9", "30"),
      Make({85, 53, 47, 35, 69, 62, 73, 44}, "3e-9"),
      Make({53, 85, 35, 47, 62, 69, 44, 73}, "3e-9"),
  };
  for (std::uint16_t k = 0; k < 350; ++k)  // a > b always: no two the same gears
    results.push_back(Make({static_cast<std::uint16_t>(20 + k % 140),
                            static_cast<std::uint16_t>(16 + k / 140), 40, 41, 42, 43, 44, 45},
                           std::to_string(353 - k) + "e-9"));
  OrderResults(results);
  ASSERT_EQ(results.size(), kMaxResults);
  EXPECT_EQ(ToothCounts(results[0]), (Counts{21, 22, 23, 24, 25, 26, 27, 28}));
  EXPECT_EQ(ToothCounts(results[1]), (Counts{20, 20, 22, 23, 24, 25, 26, 27}));
  EXPECT_EQ(ToothCounts(results[2]), (Counts{85, 53, 47, 35, 69, 62, 73, 44}));
  EXPECT_EQ(results[3].feedError, Decimal100("4e-9"));  // the duplicate is gone
  for (std::size_t k = 1; k < results.size(); ++k)
    EXPECT_LE(results[k - 1].feedError, results[k].feedError) << k;
}

}  // namespace
}  // namespace corvanta
