// The regression job on the default stock (30 to 90 teeth): index constant
// 30, feed constant 0.075, feed rate .025, helix 30, normal diametral pitch
// 10, 40 teeth, one thread, set-up row 0 (s = -1). With these numbers
// sin(30) = 1/2 and Kf = 3/40 make everything exact but pi:
//   C of an index train p / q:  p s / (30 q - 40 p)
//   feed ratio C asks for:      (pi / 10) / (C 3/40) / (1/2) = 8 pi / (3 C)
// which the checks below use, in exact rationals, to confirm what the
// search records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <thread>

#include "search/candidates.h"
#include "search/search_worker.h"
#include "search_test_support.h"

namespace corvanta {
namespace {

using testing::ErrorInEps;
using testing::Job;
using testing::PiRational;
using testing::Rational;
using testing::RelativeErrorInEps;
using testing::ToRational;

Rational ExactC(const CCandidate& c, int sign) {
  const Rational p = Rational(c.g2) * c.g3, q = Rational(c.g0) * c.g1;
  return p * sign / (30 * q - 40 * p);
}

Rational ExactFeedError(const SolveResult& r, const Rational& c) {
  const Rational feed = Rational(r.feedNumerator.first * r.feedNumerator.second,
                                 r.feedDenominator.first * r.feedDenominator.second);
  return abs(feed - 8 * PiRational() / (3 * c));
}

class RegressionJob : public ::testing::Test {
 protected:
  MemoryControls controls;
  SearchState state;
  std::optional<JobValues> job;

  void Find(int row) {
    testing::SetStock(controls, testing::DefaultStock());
    Job setup;
    setup.row = row;
    testing::SetJob(controls, setup);
    BuildPairTable(controls, state);
    job = ReadJobValues(controls);
    ASSERT_TRUE(job);
    ASSERT_TRUE(FindCandidates(state, controls, *job));
  }
  WorkerContext Context(std::uint32_t begin, std::uint32_t end) {
    WorkerContext context;
    context.window = &controls;
    context.rangeBegin = begin;
    context.rangeEnd = end;
    context.feedConstant = job->feedConstant;
    context.sinHelix = job->sinHelix;
    context.piOverPn = job->piOverPn;
    context.wholeC = job->wholeC;
    context.state = &state;
    context.logicalProcessors = 2;
    return context;
  }
  // Every list a worker appended: ordered, capped, each match within
  // tolerance and as far off as the exact arithmetic says.
  void ExpectWorkerList(std::size_t begin, std::size_t end) {
    EXPECT_LE(end - begin, kMaxResults);
    for (std::size_t k = begin; k < end; ++k) {
      const SolveResult& r = state.results[k];
      if (k > begin) {
        EXPECT_LE(state.results[k - 1].feedError, r.feedError) << k;
      }
      EXPECT_LT(r.feedError, Decimal100(5e-6)) << k;
      const CCandidate candidate{r.indexDenominator.first, r.indexDenominator.second,
                                 r.indexNumerator.first, r.indexNumerator.second, {}, {}};
      const Rational c = ExactC(candidate, -1);
      // The error is a difference of two ratios near 0.37; their last
      // digits are what can be off.
      EXPECT_LE(ErrorInEps(r.feedError, ExactFeedError(r, c), 1), 100.0) << k;
    }
  }
};

// Run for both signs: the index ratio falls with C for one, grows for the other.
void CheckCandidates(int row, std::size_t expectedCount) {
  MemoryControls controls;
  testing::SetStock(controls, testing::DefaultStock());
  Job setup;
  setup.row = row;
  testing::SetJob(controls, setup);
  SearchState state;
  BuildPairTable(controls, state);
  const auto job = ReadJobValues(controls);
  ASSERT_TRUE(job);
  ASSERT_TRUE(FindCandidates(state, controls, *job));
  const int sign = job->index.sign;
  EXPECT_EQ(state.candidates.size(), expectedCount);
  EXPECT_EQ(state.seenDeviations.size(), state.candidates.size());

  // The window in exact terms: C from (pi/10) / (rate -+ allowance) / (1/2).
  const Rational pi = PiRational(), rate(1, 40), t = Rational(0.005);
  const auto index = [sign](const Rational& c) { return Rational(30 * c / (40 * c + sign)); };
  const Rational target = index(8 * pi);
  Rational low = index(pi / 5 / (rate + t)), high = index(pi / 5 / (rate - t));
  if (low > high) std::swap(low, high);

  std::set<Decimal100> deviations;
  for (const CCandidate& c : state.candidates) {
    const Rational ratio = testing::ExactRatio(c.g2, c.g3, c.g0, c.g1);
    EXPECT_TRUE(low < ratio && ratio < high);
    EXPECT_LE(ErrorInEps(c.indexDeviation, abs(ratio - target), ratio), 10.0);
    deviations.insert(c.indexDeviation);
    // The C found by bisection gives back the train's ratio.
    const Rational exactC = ExactC(c, sign);
    EXPECT_LE(RelativeErrorInEps(IndexRatio(c.C, job->index), ratio), 10.0);
    EXPECT_LE(RelativeErrorInEps(c.C, exactC), 10.0 * (40 * static_cast<double>(exactC) + 1));
  }
  EXPECT_EQ(deviations.size(), state.candidates.size());
}

TEST(RegressionJobCandidates, MinusSignInsideTheWindowOncePerRatio) { CheckCandidates(0, 225); }
TEST(RegressionJobCandidates, PlusSignInsideTheWindowOncePerRatio) { CheckCandidates(1, 215); }

struct Recorded {
  std::array<int, 4> feed;   // driving first, second; driven first, second
  std::array<int, 4> index;  // driving first, second; driven first, second
  Rational c;
  const char* feedError;
};

TEST_F(RegressionJob, OneWorkerOverAllCandidates) {
  Find(0);
  ASSERT_EQ(state.candidates.size(), 225u);
  EXPECT_EQ(SearchWorker(Context(0, 225)), 0u);
  ASSERT_EQ(state.results.size(), kMaxResults);
  ExpectWorkerList(0, state.results.size());

  // The three best trains (identical pair entries repeat each of them).
  const std::vector<Recorded> recorded = {
      {{47, 35, 85, 53}, {73, 44, 69, 62}, Rational(803, 35), "2.46595013510685e-9"},
      {{67, 41, 85, 84}, {67, 39, 60, 58}, Rational(871, 40), "5.63215169620335e-9"},
      {{37, 30, 68, 52}, {61, 35, 79, 36}, Rational(427, 16), "7.11849102924528e-9"},
  };
  std::vector<const SolveResult*> distinct;
  for (const SolveResult& r : state.results)
    if (distinct.empty() || distinct.back()->feedError != r.feedError) distinct.push_back(&r);
  ASSERT_GE(distinct.size(), recorded.size());
  for (std::size_t k = 0; k < recorded.size(); ++k) {
    const SolveResult& r = *distinct[k];
    const Recorded& e = recorded[k];
    EXPECT_EQ((std::array<int, 4>{r.feedNumerator.first, r.feedNumerator.second,
                                  r.feedDenominator.first, r.feedDenominator.second}), e.feed);
    EXPECT_EQ((std::array<int, 4>{r.indexNumerator.first, r.indexNumerator.second,
                                  r.indexDenominator.first, r.indexDenominator.second}), e.index);
    const CCandidate candidate{r.indexDenominator.first, r.indexDenominator.second,
                               r.indexNumerator.first, r.indexNumerator.second, {}, {}};
    EXPECT_EQ(ExactC(candidate, -1), e.c);
    EXPECT_LE(RelativeErrorInEps(r.C, e.c), 10.0 * (40 * static_cast<double>(e.c) + 1));
    const Rational exactError = ExactFeedError(r, e.c);
    EXPECT_LT(abs(exactError / ToRational(Decimal100(e.feedError)) - 1), Rational(1, 100000000000000));
  }

  // Independently of the bracketing: the nearest feed trains of every
  // candidate, over all distinct products of the stock, in long double.
  // The three smallest errors overall must be the three found.
  std::set<std::uint64_t> productSet;
  for (const GearPair& e : state.pairTable) productSet.insert(e.product);
  const std::vector<std::uint64_t> products(productSet.begin(), productSet.end());
  const long double pi = 3.14159265358979323846264338327950288L;
  std::set<long double> smallest;
  for (const CCandidate& c : state.candidates) {
    const long double wanted = 8 * pi / (3 * static_cast<long double>(ExactC(c, -1)));
    for (const std::uint64_t den : products) {
      const auto at = static_cast<std::size_t>(
          std::lower_bound(products.begin(), products.end(), static_cast<std::uint64_t>(wanted * den)) -
          products.begin());
      for (std::size_t k = at == 0 ? 0 : at - 1; k < products.size() && k <= at + 1; ++k)
        smallest.insert(std::fabs(static_cast<long double>(products[k]) / den - wanted));
    }
  }
  auto it = smallest.begin();
  for (std::size_t k = 0; k < recorded.size(); ++k, ++it)
    EXPECT_NEAR(static_cast<double>(*it / static_cast<long double>(distinct[k]->feedError)), 1.0, 1e-8);
}

TEST_F(RegressionJob, WorkersOnThreadsEachHandOverAnOrderedList) {
  Find(0);
  std::map<std::array<int, 4>, std::size_t> position;
  for (std::size_t k = 0; k < state.candidates.size(); ++k) {
    const CCandidate& c = state.candidates[k];
    position[{c.g0, c.g1, c.g2, c.g3}] = k;
  }
  const std::uint32_t split = 113;
  const WorkerContext first = Context(0, split), second = Context(split, 225);
  std::thread a(SearchWorker, std::cref(first)), b(SearchWorker, std::cref(second));
  a.join();
  b.join();
  EXPECT_EQ(state.progressCounter.load(), 225u);
  // Each worker's list arrives whole: the results are one block from each.
  std::vector<bool> fromFirst;
  for (const SolveResult& r : state.results)
    fromFirst.push_back(position.at({r.indexDenominator.first, r.indexDenominator.second,
                                     r.indexNumerator.first, r.indexNumerator.second}) < split);
  const bool head = fromFirst.front();
  const auto cut = static_cast<std::size_t>(std::count(fromFirst.begin(), fromFirst.end(), head));
  ASSERT_LT(cut, fromFirst.size());
  EXPECT_TRUE(std::is_partitioned(fromFirst.begin(), fromFirst.end(), [head](bool b) { return b == head; }));
  ExpectWorkerList(0, cut);
  ExpectWorkerList(cut, state.results.size());
}

}  // namespace
}  // namespace corvanta
