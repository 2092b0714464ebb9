// The fast search against the literal one: the rounding assumption its
// decisions rest on, the cuts that replace bracket steps, the C bisection,
// and whole searches on jobs full of near-ties and on random jobs, compared
// in every field to the last digit. (The display lines of both are
// compared by the command-line solver's tests.)
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <random>

#include "search/bracket_search.h"
#include "search/c_from_index_ratio.h"
#include "search/decimal_bounds.h"
#include "search/fast_c_from_index_ratio.h"
#include "search/pair_index.h"
#include "tests/support/search_job.h"

namespace corvanta {
namespace {

using testing::SearchJob;
using Rational = boost::multiprecision::cpp_rational;
using BigInteger = boost::multiprecision::cpp_int;

Rational Power10(int exponent) {
  return Rational(boost::multiprecision::pow(BigInteger(10), static_cast<unsigned>(exponent)));
}

// Every digit the value holds (128), then zeros: equal texts, equal values.
std::string Digits(const Decimal100& x) { return x.str(200, std::ios::scientific); }

Rational Exact(const Decimal100& x) {
  const std::string text = Digits(x);
  const bool negative = text[0] == '-';
  const std::size_t point = text.find('.'), e = text.find('e');
  const std::string digits =
      text.substr(negative, point - negative) + text.substr(point + 1, e - point - 1);
  const int exponent = std::stoi(text.substr(e + 1)) - static_cast<int>(e - point - 1);
  Rational value{BigInteger(digits)};
  value *= exponent >= 0 ? Power10(exponent) : 1 / Power10(-exponent);
  return negative ? -value : value;
}

// The assumption of decimal_bounds.h: each operation, and each conversion
// from a double, within 1e-100 of its exact result, relative to it. Random
// operands with every digit used, short ones, ones whose first limb holds
// a single digit (where the library's division loses most), tooth-count
// products, and the bisection's halving.
TEST(DecimalBounds, EveryOperationWithinTheAssumedError) {
  static_assert(kDecimalRelativeError == 1e-100);
  const Rational assumed = 1 / Power10(100);
  std::mt19937_64 random(11);
  const auto operand = [&] {
    std::string text = std::to_string(1 + random() % 9) + ".";
    for (int d = random() % 3 == 0 ? 3 : 140; d > 0; --d) text += char('0' + random() % 10);
    return Decimal100(text + "e" + std::to_string(static_cast<int>(random() % 41) - 20));
  };
  const auto check = [&](const Decimal100& got, const Rational& exact, const char* what) {
    const Rational error = abs(Exact(got) - exact);
    EXPECT_TRUE(exact == 0 ? error == 0 : error < abs(exact) * assumed) << what << " " << got;
  };
  for (int k = 0; k < 300; ++k) {
    const Decimal100 a = operand(), b = k % 2 ? -operand() : operand();
    const Rational ea = Exact(a), eb = Exact(b);
    check(a + b, ea + eb, "+");
    check(a - b, ea - eb, "-");
    check(a * b, ea * eb, "x");
    check(a / b, ea / eb, "/");
    check((a + b) / 2, Exact(a + b) / 2, "halved");
    const std::uint64_t p = 1 + random() % 28561, q = 1 + random() % 28561;
    check(Decimal100(p) / q, Rational(p) / q, "p / q");
    const double d =
        std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 200) - 150);
    check(Decimal100(d), Rational(d), "double");
  }
}

// For every driven pair of a small table and targets on, next to and
// between its ratios (and outside all of them): the cut gives the literal
// search's middles and final bracket, and the index's bracket for a cut
// without equal ratios.
TEST(PairIndex, CutsTakeTheBracketSearchsSteps) {
  const PairTable table = MakePairTable({20, 30, 45, 60, 169});
  const PairIndex index = MakePairIndex(table);
  std::vector<Decimal100> targets = {Decimal100("0.001"), Decimal100(1000)};
  for (std::size_t m = 0; m < table.size(); ++m) {
    for (std::size_t i = 0; i < table.size(); i += 3) {
      const Decimal100 y = TrainRatio(table, m, i);
      const Decimal100 nudge = y * Decimal100("1e-99");
      targets.insert(targets.end(), {y, y + nudge, y - nudge, y * Decimal100("1.0001")});
    }
  }
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (const Decimal100& target : targets) {
      std::vector<std::size_t> literalMids, fastMids;
      const Bracket literal =
          BracketSearch(table, i, target,
                        [&](std::size_t mid, const Decimal100&) { literalMids.push_back(mid); });
      const RatioCut cut = CutAt(table, index, i, target, *BoundDecimal(target));
      const Bracket fast =
          NarrowAtCut(table.size(), cut, [&](std::size_t mid) { fastMids.push_back(mid); });
      ASSERT_EQ(fastMids, literalMids) << i << " " << target;
      ASSERT_EQ(std::tie(fast.lo, fast.hi), std::tie(literal.lo, literal.hi)) << i << " " << target;
      if (cut.equal == 0) {
        EXPECT_EQ(index.bracketAtCut[cut.below].lo, literal.lo);
        EXPECT_EQ(index.bracketAtCut[cut.below].hi, literal.hi);
      }
    }
  }
}

// Both signs, the ends of every term's range, a ratio on the bisection's
// path (3125), the ratio's limit Ki T / N that no C reaches, a C above
// 99999, C near the pole 1/N of s = -1, a whole C and its neighbours, NaN,
// and the index trains of a shop's stock.
TEST(FastCFromIndexRatio, TheBisectionsDigits) {
  std::vector<std::pair<IndexTerms, Decimal100>> cases;
  const std::vector<IndexTerms> terms = {
      {Decimal100(30), 1, 40, -1},   {Decimal100(30), 1, 40, +1},    {Decimal100(1), 1, 1, +1},
      {Decimal100(1), 1, 1, -1},     {Decimal100(120), 24, 500, -1}, {Decimal100(30), 2, 57, +1},
      {Decimal100("7.5"), 3, 13, -1}};
  const Decimal100 tiny("1e-98");
  for (const IndexTerms& t : terms) {
    const Decimal100 limit = t.indexConstant * Decimal100(t.hobThreads) / Decimal100(t.teeth);
    for (const Decimal100& c :
         {Decimal100(3125), Decimal100(35), Decimal100("22.9428571"),
          Decimal100(1) / Decimal100(t.teeth) * Decimal100("1.5"), Decimal100(150000)}) {
      const Decimal100 y = IndexRatio(c, t);
      cases.insert(cases.end(), {{t, y}, {t, y * (1 + tiny)}, {t, y * (1 - tiny)}});
    }
    cases.insert(cases.end(),
                 {{t, limit}, {t, limit * Decimal100("0.999")}, {t, Decimal100("0.75")}});
  }
  cases.push_back({terms[0], std::numeric_limits<Decimal100>::quiet_NaN()});
  const PairTable table = MakePairTable({60, 61, 64, 67, 69, 72, 73, 75});
  for (std::size_t k = 0; k < table.size(); k += 5)
    cases.push_back({terms[k % terms.size()], TrainRatio(table, k, table.size() - 1 - k)});
  for (const auto& [t, y] : cases)
    EXPECT_EQ(Digits(FastCFromIndexRatio(y, t)), Digits(CFromIndexRatio(y, t)))
        << y << " " << t.sign;
}

// What a search leaves, as text with every digit.
struct Outcome {
  std::size_t taken = 0;                // trains taken before the whole-C filter
  std::vector<std::string> candidates;  // after it: trains, deviation, C
  std::size_t kept = 0;                 // matches the workers handed over
  std::vector<std::string> results;     // in the final order: teeth, feed error, C
  bool fastDeclined = false;            // the fast candidate search left the job to the literal
};

// The search as the Solve makes it: the workers split over `processors`
// and started through the platform, the fast search's C constants (without
// whole C) refined on their own threads while the workers are started.
Outcome Search(const SearchJob& job, const std::vector<int>& stock, unsigned processors,
               SearchMethod method) {
  const JobValues values = testing::ValuesOf(job);
  const StockTables tables = MakeStockTables(StockGears(stock.begin(), stock.end()));
  ThreadPlatform platform(processors);
  Outcome outcome;
  // As the Solve does: the literal candidate search when the fast one declines.
  std::optional<CandidateList> found;
  if (method == SearchMethod::kFast)
    found = FastFindCandidates(tables, values, platform, /*refineWithWorkers=*/true);
  outcome.fastDeclined = method == SearchMethod::kFast && !found;
  if (!found) found = FindCandidates(tables.pairs, values);
  SolveOutcome solve;
  RunControl control;
  ResultSink sink;
  if (!found->candidates.empty())
    RunFeedSearch(platform, method, values, tables, *found, control, sink, {}, solve);
  outcome.taken = found->deviationsSeen;
  for (const CCandidate& c : found->candidates) {
    std::ostringstream text;
    text << c.g0 << " " << c.g1 << " " << c.g2 << " " << c.g3 << " " << Digits(c.indexDeviation)
         << " " << Digits(c.C);
    outcome.candidates.push_back(text.str());
  }
  std::vector<SolveResult> results = sink.Take();
  outcome.kept = results.size();
  OrderResults(results);
  for (const SolveResult& r : results) outcome.results.push_back(testing::ResultDigits(r));
  return outcome;
}

// The fast search's outcome is the literal one's, field for field, and its
// candidate search declines the job only when `declines`; the literal
// outcome, to see what the job covered.
Outcome ExpectSameSearch(const SearchJob& job, const std::vector<int>& stock, unsigned processors,
                         bool declines = false) {
  const Outcome literal = Search(job, stock, processors, SearchMethod::kLiteral);
  const Outcome fast = Search(job, stock, processors, SearchMethod::kFast);
  EXPECT_EQ(fast.fastDeclined, declines);
  EXPECT_EQ(fast.taken, literal.taken);
  EXPECT_EQ(fast.candidates, literal.candidates);
  EXPECT_EQ(fast.kept, literal.kept);
  EXPECT_EQ(fast.results, literal.results);
  return literal;
}

// Jobs full of near-ties, and jobs at the ends of the ranges.
//
// The near-tie jobs each have candidates; the first keeps more than 200
// matches in one worker, so ties at the cut (each pair of two gears is in
// the table twice, with equal errors) are decided there.
//
// The last ones hold values at the ends of their ranges that no double can
// carry. A feed constant of 0 makes every wanted feed ratio infinite: the
// fast workers find it unreachable, the literal ones compare infinite
// errors, and neither keeps a train. A feed rate of 0 puts C at infinity and
// the index-ratio window at NaN: the fast candidate search declines the job,
// and the literal one takes no train.
TEST(FastSearch, TheLiteralOutcomeOnNearTieJobsAndWhereNoDoubleServes) {
  SearchJob wholeC35;  // Ki 1, N 1, s +1: the train 35 x 36 / 36 x 36 has C = 35
  wholeC35.indexConst = "1", wholeC35.teeth = 1, wholeC35.sign = +1, wholeC35.feedRate = "0.018";
  SearchJob wholeOn = wholeC35;
  wholeOn.wholeC = true;
  SearchJob reciprocal;
  reciprocal.feedConst = "13.3333", reciprocal.feedRate = ".03", reciprocal.wholeC = true;
  SearchJob manyTeeth;  // a small C, so that the window is wide enough for a small stock
  manyTeeth.teeth = 500, manyTeeth.pitch = "200", manyTeeth.feedRate = ".09";
  SearchJob threads;
  threads.hobThreads = 24, threads.feedRate = ".03";
  SearchJob noFeedConst;
  noFeedConst.feedConst = "0";
  SearchJob noFeedConstWholeC = wholeOn;
  noFeedConstWholeC.feedConst = "0";
  SearchJob noFeedRate;
  noFeedRate.feedRate = "0";  // one character: no allowance either
  SearchJob noFeedRateAllowed = noFeedRate;
  noFeedRateAllowed.feedRate = ".000";  // an allowance: a lower C, no upper one
  SearchJob noFeedRateWholeC = noFeedRateAllowed;
  noFeedRateWholeC.wholeC = true, noFeedRateWholeC.sign = +1;
  // What a job leaves: candidates, candidates but no match kept, or nothing
  // (the fast candidate search leaving the job to the literal one).
  enum Leaves { kCandidates, kNoMatch, kNothing };
  const struct {
    const char* what;
    SearchJob job;
    std::vector<int> stock;
    std::vector<unsigned> processors;
    Leaves leaves = kCandidates;
  } cases[] = {
      {"equal ratios from different pairs, the cut of 200", {}, testing::Stock(16, 60), {1, 3}},
      {"a stock of two gears, 1 tooth, C at 35", wholeC35, {35, 36}, {1}},
      {"the same, whole C only", wholeOn, {35, 36}, {1}},
      {"C = 71/2", wholeC35, {71, 73}, {2}},
      {"a feed constant above 3, whole C only", reciprocal, testing::Stock(16, 50), {1, 8}},
      {"500 teeth", manyTeeth, testing::Stock(16, 169, 6), {1}},
      {"24 hob threads", threads, testing::Stock(16, 169, 5), {2}},
      {"feed constant 0", noFeedConst, testing::Stock(), {1, 3}, kNoMatch},
      {"feed constant 0, whole C only", noFeedConstWholeC, {35, 36}, {1, 3}, kNoMatch},
      {"feed rate 0", noFeedRate, testing::Stock(), {1, 3}, kNothing},
      {"feed rate .000", noFeedRateAllowed, testing::Stock(), {1, 3}, kNothing},
      {"feed rate .000, whole C, sign +1", noFeedRateWholeC, testing::Stock(), {1, 3}, kNothing},
  };
  for (const auto& c : cases) {
    for (unsigned processors : c.processors) {
      SCOPED_TRACE(std::string(c.what) + ", " + std::to_string(processors) + " processors");
      const Outcome literal =
          ExpectSameSearch(c.job, c.stock, processors, /*declines=*/c.leaves == kNothing);
      EXPECT_EQ(literal.candidates.empty(), c.leaves == kNothing);
      if (c.leaves != kCandidates) {
        EXPECT_EQ(literal.kept, 0u);
      }
      if (&c == cases && processors == 1) {
        EXPECT_GT(literal.kept, kMaxResults - 1);
      }
    }
  }
}

// Seeded random jobs on stocks of about 22 gears: every field, both signs,
// whole C on and off, one to four workers.
TEST(FastSearch, TheLiteralOutcomeOnRandomJobs) {
  std::mt19937 random(2024);
  const auto pick = [&](std::initializer_list<const char*> texts) {
    return std::string(texts.begin()[random() % texts.size()]);
  };
  // One draw per statement: the order of draws must not depend on the
  // compiler's order of evaluation.
  const auto draw = [&](unsigned n) { return static_cast<int>(random() % n); };
  std::size_t candidates = 0, kept = 0;
  for (int run = 0; run < 40; ++run) {
    SearchJob job;
    job.indexConst = std::to_string(1 + draw(120));
    job.feedConst = pick({"0.075", "13.3333", "3", "0.5", "1.25", "40"});
    job.feedRate = "." + std::to_string(10 + draw(90));
    job.feedRate += std::string(draw(3), '5');  // 3 to 5 characters: wide windows
    job.helix = std::to_string(5 + draw(60));
    job.helix += pick({"", ".5", ".25"});
    job.pitch = pick({"2", "6", "10", "12", "32", "200"});
    const int teethRange = draw(4) == 0 ? 500 : 60;
    job.teeth = 1 + draw(teethRange);
    job.hobThreads = 1 + draw(24);
    job.sign = draw(2) == 0 ? -1 : +1;
    job.wholeC = draw(2) == 0;
    std::vector<int> stock;
    for (int gear = 16; gear <= 169; ++gear)
      if (draw(154) < 22) stock.push_back(gear);
    const unsigned processors = 1 + draw(4);
    SCOPED_TRACE("run " + std::to_string(run));
    const Outcome literal = ExpectSameSearch(job, stock, processors);
    candidates += literal.candidates.size(), kept += literal.kept;
  }
  // Not a vacuous comparison: hundreds of candidates and matches in all.
  EXPECT_GT(candidates, 100u);
  EXPECT_GT(kept, 50u);
}

// Escape during a search: the stop, set here when the 100th candidate's
// progress text arrives, ends the worker within that candidate, and what
// the first candidates found is handed over.
TEST(FastSearch, AStopEndsTheWorkerWithWhatItFound) {
  testing::ReadySearch search({}, testing::Stock(), SearchMethod::kFast);
  const std::vector<CCandidate>& candidates = search.candidates();
  std::string shown;
  const std::vector<SolveResult> results =
      search.Run(0, candidates.size(), [&](const std::string& text) {
        shown = text;
        search.control.RequestStop();
      });
  EXPECT_EQ(search.control.progressCounter.load(), 100u);
  EXPECT_EQ(shown, ProgressText(100, candidates.size(), 0));
  ASSERT_FALSE(results.empty());
  for (const SolveResult& r : results) {
    const auto from = std::find_if(candidates.begin(), candidates.end(), [&](auto& c) {
      return c.g0 == r.indexDenominator.first && c.g2 == r.indexNumerator.first &&
             c.g1 == r.indexDenominator.second && c.g3 == r.indexNumerator.second;
    });
    EXPECT_LT(from - candidates.begin(), 100);
  }
}

}  // namespace
}  // namespace corvanta
