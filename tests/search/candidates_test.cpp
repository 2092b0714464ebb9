#include <gtest/gtest.h>

#include <limits>

#include "search/candidates.h"
#include "search_test_support.h"

namespace corvanta {
namespace {

using testing::Job;
using testing::PiRational;
using testing::Rational;
using testing::RelativeErrorInEps;
using testing::ToRational;

// Ki 1, T 1, N 1, s +1: IndexRatio(C) = C / (C + 1). Feed rate 0.018 at
// pitch 10 and helix 30 puts Ctarget at pi / 0.09 = 34.9 and the window
// (allowance 0.0025) at C 30.6 to 40.5, ratios 0.9684 to 0.9759.
Job SmallJob(bool wholeC) {
  Job job;
  job.indexConst = "1";
  job.teeth = 1;
  job.row = 1;
  job.feedRate = "0.018";
  job.wholeC = wholeC;
  return job;
}

struct Found {
  std::vector<CCandidate> candidates;
  std::size_t deviations = 0;
  bool ok = false;
};

Found Find(const std::vector<int>& stock, const Job& job) {
  MemoryControls controls;
  testing::SetStock(controls, stock);
  testing::SetJob(controls, job);
  SearchState state;
  BuildPairTable(controls, state);
  const auto values = ReadJobValues(controls);
  if (!values) return {};
  const bool ok = FindCandidates(state, controls, *values);
  return {state.candidates, state.seenDeviations.size(), ok};
}

// Stock 35, 36 (products 1225, 1260, 1260, 1296). Stepped by hand: over
// 1260 the search meets 1225 / 1260 = 35/36 (C = 35) first; the second 1260
// entry is the same train, and 1260 / 1296, also 35/36, is never visited.
TEST(FindCandidates, OneCandidatePerRatioWithItsC) {
  const Found found = Find({35, 36}, SmallJob(false));
  ASSERT_TRUE(found.ok);
  ASSERT_EQ(found.candidates.size(), 1u);
  EXPECT_EQ(found.deviations, 1u);
  const CCandidate& c = found.candidates[0];
  EXPECT_EQ((std::vector<int>{c.g0, c.g1, c.g2, c.g3}), (std::vector<int>{36, 35, 35, 35}));
  const Rational cTarget = PiRational() / 10 / (Rational(18, 1000) / 2);
  const Rational deviation = Rational(35, 36) - cTarget / (cTarget + 1);
  EXPECT_LE(RelativeErrorInEps(c.indexDeviation, deviation), 100.0);
  EXPECT_LE(RelativeErrorInEps(c.C, Rational(35)), 100.0);
  EXPECT_NE(c.C, Decimal100(35));
}

TEST(FindCandidates, WholeCKeepsExactlyTheWholeOnes) {
  const Found whole = Find({35, 36}, SmallJob(true));
  ASSERT_EQ(whole.candidates.size(), 1u);
  EXPECT_EQ(whole.candidates[0].C, Decimal100(35));
  // 71/73 over 71/71: C = 71/2, dropped with the option, kept without.
  EXPECT_TRUE(Find({71, 73}, SmallJob(true)).candidates.empty());
  const Found half = Find({71, 73}, SmallJob(false));
  ASSERT_EQ(half.candidates.size(), 1u);
  EXPECT_LE(RelativeErrorInEps(half.candidates[0].C, Rational(71, 2)), 100.0);
}

TEST(FindCandidates, NoWindowNoCandidates) {
  std::vector<Job> jobs(4, SmallJob(false));
  jobs[0].feedRate = "1";    // one character: no allowance, an empty window
  jobs[1].feedRate = "0";    // infinite Ctarget: NaN ratios
  jobs[2].helix = "0";       // sine 0: the same
  jobs[3].indexConst = "0";  // every ratio 0
  for (const Job& job : jobs) {
    const Found found = Find({35, 36}, job);
    EXPECT_TRUE(found.ok);
    EXPECT_TRUE(found.candidates.empty());
  }
}

TEST(WholeC, RoundsOnlyWithin1e96) {
  const Decimal100 tiny("1e-97"), limit("1e-96");
  const std::vector<std::pair<Decimal100, std::optional<int>>> cases = {
      {Decimal100(35), 35},           {Decimal100(35) + tiny, 35},
      {Decimal100(35) - tiny, 35},    {Decimal100(35) + limit, std::nullopt},
      {Decimal100("35.2"), std::nullopt}, {Decimal100("34.5"), std::nullopt},
      {Decimal100(-2) + tiny, -2},    {std::numeric_limits<Decimal100>::quiet_NaN(), std::nullopt},
  };
  for (const auto& [c, expected] : cases) {
    const auto whole = WholeC(c);
    ASSERT_EQ(whole.has_value(), expected.has_value()) << c;
    if (expected) {
      EXPECT_EQ(*whole, Decimal100(*expected)) << c;
    }
  }
}

}  // namespace
}  // namespace corvanta
