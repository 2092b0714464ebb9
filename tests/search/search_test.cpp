// The search: pair table, bracket search, C from an index ratio, the C
// candidates, one worker, and the regression job end to end.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "search/bracket_search.h"
#include "search/c_from_index_ratio.h"
#include "search/candidates.h"
#include "search/job_values.h"
#include "search/pair_table.h"
#include "search/search_worker.h"
#include "search/search_test_support.h"

namespace corvanta {
namespace {

using testing::ErrorInEps;
using testing::Job;
using testing::Rational;
const Decimal100 kNaN = std::numeric_limits<Decimal100>::quiet_NaN();

// Equal products (1200 two ways) go by `first` ascending.
TEST(PairTable, StockCellsAndAHandWorkedTable) {
  MemoryControls controls;
  testing::SetStock(controls, {});
  controls.SetText(IDC_GEAR_STOCK_CELL_FIRST, "");         // 16 teeth: empty counts as owned
  controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + 4, "x");    // 20: any character but '0'
  controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + 24, "01");  // 40: starts with '0'
  controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + 153, "1");  // 169, the last cell
  EXPECT_EQ(ReadStockGears(controls), (StockGears{16, 20, 169}));

  using Entries = std::vector<std::array<int, 3>>;  // first, second, product
  Entries table;
  for (const GearPair& e : MakePairTable({20, 30, 40, 60}))
    table.push_back({e.first, e.second, static_cast<int>(e.product)});
  EXPECT_EQ(table, (Entries{{20, 20, 400}, {30, 20, 600}, {30, 20, 600}, {40, 20, 800}, {40, 20, 800},
                            {30, 30, 900}, {40, 30, 1200}, {40, 30, 1200}, {60, 20, 1200}, {60, 20, 1200},
                            {40, 40, 1600}, {60, 30, 1800}, {60, 30, 1800}, {60, 40, 2400}, {60, 40, 2400},
                            {60, 60, 3600}}));
}

// Stock 20, 30, 40: over entry 0 the ratios are 1, 1.5, 1.5, 2, 2, 2.25, 3,
// 3, 4. Each case was stepped through by hand; the comment names its rule.
TEST(BracketSearch, HandWorkedBracketsAndSteps) {
  const std::vector<std::tuple<StockGears, std::size_t, Decimal100, Bracket, std::vector<std::size_t>>> cases = {
      {{20, 30, 40}, 0, Decimal100("1.2"), {0, 1}, {2, 1, 0, 0}},  // odd mid 1 is not above 2
      {{20, 30, 40}, 0, Decimal100("2.6"), {4, 6}, {6, 5, 5}},     // odd mid lowers lo by one
      {{20, 30, 40}, 0, Decimal100("1.8"), {2, 4}, {2, 3, 3}},     // odd mid 3 raises hi by one
      {{20, 30, 40}, 0, Decimal100(5), {6, 8}, {6, 7, 7}},         // above every ratio
      {{20, 30, 40}, 0, Decimal100(2), {0, 8}, {4}},               // exact hit ends at once
      {{20, 30, 40}, 0, kNaN, {0, 8}, {4}},                        // NaN moves nothing
      {{20, 30, 40}, 8, Decimal100("0.6"), {4, 6}, {6, 5, 5}},     // ratios over 1600
      {{20, 40}, 0, Decimal100(3), {0, 3}, {1}},                   // the first step cannot shrink
      {{40}, 0, Decimal100(2), {0, 0}, {0}},
  };
  for (const auto& [stock, denominator, target, bracket, expectedMids] : cases) {
    const PairTable table = MakePairTable(stock);
    std::vector<std::size_t> mids;
    const Bracket found = BracketSearch(table, denominator, target, [&](std::size_t mid, const Decimal100& y) {
      EXPECT_EQ(y, TrainRatio(table, mid, denominator));
      mids.push_back(mid);
    });
    const Bracket plain = BracketSearch(table, denominator, target);
    EXPECT_EQ(std::tie(found.lo, found.hi), std::tie(bracket.lo, bracket.hi)) << target;
    EXPECT_EQ(std::tie(plain.lo, plain.hi), std::tie(bracket.lo, bracket.hi)) << target;
    EXPECT_EQ(mids, expectedMids) << target;
  }
}

// 3125 lies on the bisection's path (50000 halved four times); Ki T / N =
// 0.75 is the ratio's limit, which no C in range reaches, nor anything
// beyond it; a NaN stops at the first comparison, at the starting C.
TEST(CFromIndexRatio, ExactResultsCarryTheOffset) {
  const Decimal100 eps("1e-110");
  const IndexTerms minus{Decimal100(30), 1, 40, -1}, plus{Decimal100(30), 1, 40, +1};
  const std::vector<std::tuple<IndexTerms, Decimal100, Decimal100>> cases = {
      {minus, IndexRatio(Decimal100(3125), minus), Decimal100(3125) + eps},
      {plus, IndexRatio(Decimal100(3125), plus), Decimal100(3125) + eps},
      {minus, Decimal100("0.75"), eps}, {minus, Decimal100("0.74"), eps}, {plus, Decimal100("0.76"), eps},
      {minus, kNaN, Decimal100(50000) + eps},
  };
  for (const auto& [terms, y, c] : cases) EXPECT_EQ(CFromIndexRatio(y, terms), c) << y << " " << terms.sign;
}

TEST(JobValues, FeedAllowanceFollowsTheTextLengthAndKfAboveThreeIsInverted) {
  const std::vector<std::pair<std::size_t, double>> allowances = {
      {3, 0.01}, {4, 0.005}, {5, 0.0025}, {6, 0.0015}, {7, 0.00075}, {8, 0.0003}, {9, 0.0001}, {10, 0.0001}};
  EXPECT_FALSE(FeedAllowance(1));
  for (const auto& [length, allowance] : allowances) EXPECT_EQ(FeedAllowance(length), allowance) << length;
  Job job;
  job.feedConst = "13.3333";
  MemoryControls controls;
  testing::SetJob(controls, job);
  const auto values = ReadJobValues(controls);
  ASSERT_TRUE(values);
  EXPECT_LE(ErrorInEps(values->feedConstant, Rational(10000, 133333), 1), 2.0);
}

// Ki 1, T 1, N 1, s +1: IndexRatio(C) = C / (C + 1). Feed rate 0.018 at
// pitch 10 and helix 30 puts Ctarget at pi / 0.09 = 34.9, the window at C
// 30.6 to 40.5. On 35, 36 the search meets 35/36 (C = 35) once, though
// three entries give that ratio; 71/73 over 71/71 is C = 71/2.
TEST(FindCandidates, OnePerRatioWithItsCInsideTheWindow) {
  struct Case {
    std::vector<int> stock;
    bool wholeC;
    std::string feedRate, indexConst;
    std::optional<Rational> c;  // the one candidate's C, or none
  };
  const Case cases[] = {
      {{35, 36}, false, "0.018", "1", Rational(35)},
      {{35, 36}, true, "0.018", "1", Rational(35)},
      {{71, 73}, false, "0.018", "1", Rational(71, 2)},
      {{71, 73}, true, "0.018", "1", std::nullopt},
      {{35, 36}, false, "1", "1", std::nullopt},      // one character: no allowance, no window
      {{35, 36}, false, "0", "1", std::nullopt},      // infinite Ctarget: NaN ratios
      {{35, 36}, false, "0.018", "0", std::nullopt},  // every ratio 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    Job job;
    job.indexConst = c.indexConst, job.teeth = 1, job.row = 1, job.feedRate = c.feedRate, job.wholeC = c.wholeC;
    testing::ReadySearch search(job, c.stock);
    ASSERT_TRUE(search.found);
    const SearchState& state = search.state;
    ASSERT_EQ(state.candidates.size(), c.c ? 1u : 0u);
    if (!c.c) continue;
    EXPECT_EQ(state.seenDeviations.size(), 1u);
    const CCandidate& found = state.candidates[0];
    EXPECT_LE(ErrorInEps(found.C, *c.c, *c.c), 100.0);
    EXPECT_EQ(found.C == Decimal100(35), c.wholeC);  // whole C drops the bisection's offset
    if (c.stock[0] != 35) continue;
    EXPECT_EQ((std::array<int, 4>{found.g0, found.g1, found.g2, found.g3}), (std::array<int, 4>{36, 35, 35, 35}));
    const Rational cTarget = testing::PiRational() / 10 / (Rational(18, 1000) / 2);
    const Rational deviation = Rational(35, 36) - cTarget / (cTarget + 1);
    EXPECT_LE(ErrorInEps(found.indexDeviation, deviation, deviation), 100.0);
  }
}

// With piOverPn, Kf and sin all 1 the feed ratio a candidate asks for is
// 1 / C; the stock {40} has the single train ratio 1.
class WorkerTest : public ::testing::Test {
 protected:
  testing::StatusControls controls;
  SearchState state;
  WorkerContext context;

  void SetUp() override {
    context.window = &controls;
    context.feedConstant = context.sinHelix = context.piOverPn = Decimal100(1);
    context.state = &state;
    context.logicalProcessors = 2;
    state.pairTable = MakePairTable({40});
  }
  // Candidate `id` asks for the ratio 1 + offset.
  void Add(int id, const Decimal100& offset) {
    const auto g = static_cast<std::uint16_t>(id);
    state.candidates.push_back({g, g, g, g, Decimal100(0), Decimal100(1) / (Decimal100(1) + offset)});
  }
  void Run(std::uint32_t begin, std::uint32_t end) {
    context.rangeBegin = begin, context.rangeEnd = end;
    EXPECT_EQ(SearchWorker(context), 0u);
  }
};

// 2 and 3 are not below the last kept (1e-6); 5 and 6 are; 6 ties with 4
// and goes after it.
TEST_F(WorkerTest, KeepsAMatchOnlyWhenItBeatsTheLastKept) {
  for (const auto& [id, offset] : std::vector<std::pair<int, const char*>>{
           {1, "1e-6"}, {2, "2e-6"}, {3, "1e-6"}, {4, "-5e-7"}, {5, "8e-7"}, {6, "-5e-7"}})
    Add(id, Decimal100(offset));
  Run(0, 6);
  std::vector<int> ids;
  for (const SolveResult& r : state.results) ids.push_back(r.indexNumerator.first);
  EXPECT_EQ(ids, (std::vector<int>{4, 6, 5, 1}));
}

TEST_F(WorkerTest, ToleranceIsStrictAndWiderForWholeC) {
  Add(1, Decimal100(0));
  const Decimal100 tiny("1e-90");
  for (const auto& [wholeC, offset, kept] : std::vector<std::tuple<bool, Decimal100, bool>>{
           {false, Decimal100(5e-6), false}, {false, Decimal100(5e-6) - tiny, true},
           {true, Decimal100(1.5e-5), false}, {true, Decimal100(1.5e-5) - tiny, true}}) {
    state.results.clear();
    context.wholeC = wholeC;
    context.piOverPn = Decimal100(1) + offset;  // the error against the ratio 1 is exactly the offset
    Run(0, 1);
    ASSERT_EQ(state.results.size(), kept ? 1u : 0u) << wholeC << " " << offset;
    if (kept) {
      EXPECT_EQ(state.results[0].feedError, offset);
    }
  }
}

// Progress counts the candidates of all workers; a stop arriving with the
// text of the 100th keeps what was found before it.
TEST_F(WorkerTest, StopAtTheHundredthProgressKeepsTheMatchesFound) {
  for (int k = 0; k < 150; ++k) Add(k, Decimal100(150 - k) * Decimal100("1e-8"));  // each better
  Run(0, 50);
  controls.stopOnStatus = &state;
  Run(50, 150);
  EXPECT_EQ(controls.status, (std::vector<std::string>{
      "Processing 100 of 150 C constants using 2 logical processors... Press Escape to break early"}));
  EXPECT_EQ(state.progressCounter.load(), 100u);
  ASSERT_EQ(state.results.size(), 99u);  // the 100th stops before its first pair
  EXPECT_EQ(state.results.back().indexNumerator.first, 50);
}

// The regression job on the default stock, confirmed by hand against a scan
// of every feed train: C = p s / (30 q - 40 p) = 803/35 for the index train
// 44 73 / 69 62, and 8 pi / (3 C) against the feed train 35 47 / 85 53. One
// worker over all 225 candidates keeps the best 200, in order.
TEST(RegressionJob, TwoHundredTwentyFiveCandidatesAndTheBestTrain) {
  testing::ReadySearch search({}, testing::Stock());
  ASSERT_TRUE(search.found);
  const SearchState& state = search.state;
  ASSERT_EQ(state.candidates.size(), 225u);
  search.Run(0, 225);
  ASSERT_EQ(state.results.size(), kMaxResults);
  const SolveResult& best = state.results[0];
  EXPECT_EQ(ToothCounts(best), (std::array<std::uint16_t, 8>{85, 53, 47, 35, 69, 62, 73, 44}));
  EXPECT_LE(ErrorInEps(best.C, Rational(803, 35), Rational(803, 35)), 10.0 * (40 * 803 / 35 + 1));
  const Rational feedError = Rational(47 * 35, 85 * 53) - 8 * testing::PiRational() * 35 / (3 * 803);
  EXPECT_NEAR(static_cast<double>(abs(feedError)), 2.46595013510685e-9, 1e-22);
  EXPECT_LE(ErrorInEps(best.feedError, abs(feedError), 1), 100.0);
  for (std::size_t k = 1; k < state.results.size(); ++k)
    EXPECT_LE(state.results[k - 1].feedError, state.results[k].feedError) << k;
}

}  // namespace
}  // namespace corvanta
