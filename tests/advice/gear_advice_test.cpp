// The advice's rows against whole Solves: each row's stock searched on its
// own, as the window's Solve searches it, on as many processors.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "advice/gear_advice.h"
#include "search/order_results.h"
#include "search/stock_search.h"
#include "search/thread_platform.h"
#include "tests/support/search_job.h"

namespace corvanta {
namespace {

AdviceJob AdviceOf(const testing::SearchJob& job, const std::vector<int>& stock,
                   SearchMethod method, unsigned processors) {
  DisplayInputs display;
  display.indexConstant = Decimal100(job.indexConst);
  display.feedConstant = Decimal100(job.feedConst);
  display.helixAngle = Decimal100(job.helix);
  display.normalPitch = Decimal100(job.pitch);
  display.teeth = job.teeth;
  display.hobThreads = job.hobThreads;
  display.sign = job.sign;
  return {testing::ValuesOf(job), display, StockGears(stock.begin(), stock.end()), method,
          processors};
}

// Every digit of a result, or "none".
std::string Digits(const std::optional<SolveResult>& r) {
  return r ? testing::ResultDigits(*r) : "none";
}

// Each row is what a Solve with its gears put into the stock shows: its
// result count, its result 1, and the result whose lead error, as the
// display evaluates it, is smallest in size (the first of equal ones).
void ExpectRowsAreTheSolves(const AdviceJob& advice, const std::vector<AdviceRow>& rows) {
  for (const AdviceRow& row : rows) {
    SCOPED_TRACE("added: " + ::testing::PrintToString(row.added));
    StockGears gears = advice.stock;
    gears.insert(gears.end(), row.added.begin(), row.added.end());
    std::sort(gears.begin(), gears.end());
    ThreadPlatform platform(advice.processors);
    RunControl control;
    SolveOutcome outcome;
    const std::vector<SolveResult> results = SearchStock(
        platform, advice.method, advice.job, MakeStockTables(gears), control, {}, outcome);
    std::optional<SolveResult> first, bestLead;
    Decimal100 bestError;
    for (const SolveResult& r : results) {
      const Decimal100 error =
          abs(EvaluateResultNumbers(advice.display, advice.job.index, r, advice.method).leadError);
      if (!first) first = r;
      if (!bestLead || error < bestError) bestLead = r, bestError = error;
    }
    EXPECT_EQ(row.results, results.size());
    EXPECT_EQ(Digits(row.first), Digits(first));
    EXPECT_EQ(Digits(row.bestLead), Digits(bestLead));
  }
}

// A random stock of `count` gears, the same on every run.
std::vector<int> RandomStock(unsigned seed, std::size_t count) {
  std::mt19937 random(seed);
  std::vector<int> all = testing::Stock(16, 169);
  std::shuffle(all.begin(), all.end(), random);
  all.resize(count);
  std::sort(all.begin(), all.end());
  return all;
}

// Every single gear the stock lacks, for jobs of every kind the search
// takes a path of its own for, fast and literal, on one to three
// processors: each row is the Solve of its stock to the last digit.
TEST(GearAdvice, EveryRowIsTheSolveOfItsStock) {
  testing::SearchJob regression, wholeC, bigFeedConstant, none;
  wholeC.wholeC = true;
  wholeC.helix = "22.5";
  bigFeedConstant.feedConst = "4.5";  // read as its reciprocal
  bigFeedConstant.helix = "45";
  bigFeedConstant.teeth = 19;
  none.helix = "25.01";
  none.pitch = "8";
  none.teeth = 22;
  none.indexConst = "40";
  none.feedConst = "2.5";
  none.feedRate = ".030";
  const struct {
    const char* name;
    testing::SearchJob job;
    std::vector<int> stock;
    SearchMethod method;
    unsigned processors;
  } cases[] = {
      {"regression, random stock", regression, RandomStock(1, 24), SearchMethod::kFast, 2},
      {"regression, literal", regression, RandomStock(2, 20), SearchMethod::kLiteral, 3},
      {"whole C", wholeC, RandomStock(3, 24), SearchMethod::kFast, 1},
      {"feed constant above 3", bigFeedConstant, RandomStock(4, 24), SearchMethod::kFast, 2},
      {"a stock of one gear", regression, {40}, SearchMethod::kFast, 2},
      {"no result today", none, RandomStock(5, 24), SearchMethod::kFast, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const AdviceJob advice = AdviceOf(c.job, c.stock, c.method, c.processors);
    ThreadPlatform platform(2u);
    RunControl control;
    const AdviceOutcome outcome = RunAdvice(platform, advice, false, 2, control, {});
    ASSERT_FALSE(outcome.stopped);
    ASSERT_EQ(outcome.rows.size(), 1 + 154 - c.stock.size());
    EXPECT_TRUE(outcome.rows.front().added.empty());
    if (std::string(c.name) == "no result today") {
      EXPECT_EQ(outcome.rows.front().results, 0u);
    }
    // Not vacuous: some gear helps (one more gear gives a one-gear stock
    // no train).
    EXPECT_EQ(outcome.rows[1].results > 0, c.stock.size() > 1);
    ExpectRowsAreTheSolves(advice, outcome.rows);
  }
}

// Pairs: every two gears the stock lacks, smaller first (corvanta-solve's
// test holds their rows against Solves).
TEST(GearAdvice, PairsAreEveryTwoLackingGears) {
  std::vector<int> stock = testing::Stock(16, 169);
  for (int lacking : {17, 29, 61, 97, 131})
    stock.erase(std::find(stock.begin(), stock.end(), lacking));
  const std::vector<std::vector<std::uint32_t>> additions =
      AdviceAdditions(StockGears(stock.begin(), stock.end()), true);
  const std::vector<std::vector<std::uint32_t>> expected = {
      {17},      {29},     {61},     {97},      {131},    {17, 29},  {17, 61}, {17, 97},
      {17, 131}, {29, 61}, {29, 97}, {29, 131}, {61, 97}, {61, 131}, {97, 131}};
  EXPECT_EQ(additions, expected);
  const std::vector<int> everyGear = testing::Stock(16, 169);
  EXPECT_TRUE(AdviceAdditions(StockGears(everyGear.begin(), everyGear.end()), true).empty());
}

// The stock itself first; then by result 1's feed error, rows without
// results last, ties by more results and then by the smaller gears.
TEST(GearAdvice, RowsRankByFirstFeedErrorThenResultsThenTeeth) {
  const auto row = [](std::vector<std::uint32_t> added, std::size_t results, const char* error) {
    AdviceRow r;
    r.added = std::move(added);
    r.results = results;
    if (error)
      r.first = testing::MakeResult({}, {}, {}, {}, "1"), r.first->feedError = Decimal100(error);
    return r;
  };
  std::vector<AdviceRow> rows = {row({20}, 0, nullptr),     row({18}, 3, "0.002"),
                                 row({17}, 1, "0.001"),     row({}, 0, nullptr),
                                 row({19}, 5, "0.001"),     row({16}, 5, "0.001"),
                                 row({16, 20}, 0, nullptr), row({21}, 2, "1e-200")};
  RankAdviceRows(rows);
  std::vector<std::vector<std::uint32_t>> order;
  for (const AdviceRow& r : rows) order.push_back(r.added);
  const std::vector<std::vector<std::uint32_t>> expected = {{},   {21}, {16},     {19},
                                                            {17}, {18}, {16, 20}, {20}};
  EXPECT_EQ(order, expected);
}

// A stop keeps the rows done before it, each whole, and says it stopped.
TEST(GearAdvice, AStopKeepsTheRowsDoneBeforeIt) {
  const AdviceJob advice = AdviceOf({}, testing::Stock(30, 90, 5), SearchMethod::kFast, 2);
  ThreadPlatform platform(1u);
  RunControl control;
  const AdviceOutcome outcome =
      RunAdvice(platform, advice, false, 1, control, [&control](std::size_t done, std::size_t) {
        if (done == 6) control.RequestStop();
      });
  EXPECT_TRUE(outcome.stopped);
  ASSERT_EQ(outcome.rows.size(), 6u);
  EXPECT_TRUE(outcome.rows.front().added.empty());
  ExpectRowsAreTheSolves(advice, outcome.rows);
}

}  // namespace
}  // namespace corvanta
