#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "search/job_values.h"
#include "search/search_worker.h"
#include "search_test_support.h"

namespace corvanta {
namespace {

using testing::Rational;

// Records every status-line text and can react to it, as Escape would.
class StatusControls : public MemoryControls {
 public:
  std::vector<std::string> status;
  std::function<void()> onStatus;
  void SetText(ControlId id, std::string_view text) override {
    MemoryControls::SetText(id, text);
    if (id != IDC_C_LINE) return;
    status.emplace_back(text);
    if (onStatus) onStatus();
  }
};

// With piOverPn, Kf and sin all 1 the feed ratio a candidate asks for is
// 1 / C, so a candidate can be aimed at any ratio.
class WorkerTest : public ::testing::Test {
 protected:
  SearchState state;
  StatusControls controls;
  WorkerContext context;

  void SetUp() override {
    context.window = &controls;
    context.feedConstant = context.sinHelix = context.piOverPn = Decimal100(1);
    context.state = &state;
    context.logicalProcessors = 2;
  }
  // A candidate asking for `ratio`; `id` marks its index train.
  void AddCandidate(std::uint16_t id, const Decimal100& ratio) {
    state.candidates.push_back({id, id, id, id, Decimal100(0), Decimal100(1) / ratio});
  }
  void Run(std::uint32_t begin, std::uint32_t end) {
    context.rangeBegin = begin;
    context.rangeEnd = end;
    EXPECT_EQ(SearchWorker(context), 0u);
  }
  void RunAll() { Run(0, static_cast<std::uint32_t>(state.candidates.size())); }
  std::vector<int> Ids() const {
    std::vector<int> ids;
    for (const SolveResult& r : state.results) ids.push_back(r.indexNumerator.first);
    return ids;
  }
};

TEST_F(WorkerTest, KeepsAMatchOnlyWhenItBeatsTheLastKept) {
  state.pairTable = MakePairTable({40});  // one train: 40 x 40 / 40 x 40 = 1
  const Decimal100 one(1);
  const std::vector<std::pair<int, Decimal100>> offsets = {
      {1, Decimal100("1e-6")}, {2, Decimal100("2e-6")}, {3, Decimal100("1e-6")},
      {4, Decimal100("-5e-7")}, {5, Decimal100("8e-7")}, {6, Decimal100("-5e-7")}};
  for (const auto& [id, offset] : offsets) AddCandidate(static_cast<std::uint16_t>(id), one + offset);
  RunAll();
  // 2 and 3 are not below 1e-6; 5 and 6 are below the last kept (1); 6
  // ties with 4 and goes after it.
  EXPECT_EQ(Ids(), (std::vector<int>{4, 6, 5, 1}));
}

TEST_F(WorkerTest, IdenticalPairsEnterAsEqualMatches) {
  state.pairTable = MakePairTable({20, 40});  // 400, 800, 800, 1600
  AddCandidate(1, Decimal100("0.500001"));
  AddCandidate(2, Decimal100("0.4999995"));
  RunAll();
  // Candidate 2 meets 0.5 over both 800 entries and as 800 / 1600, each
  // ahead of the worse match of candidate 1; candidate 1's own repeats
  // were not better than itself.
  ASSERT_EQ(Ids(), (std::vector<int>{2, 2, 2, 1}));
  const std::vector<std::array<int, 4>> feed = {
      {40, 20, 20, 20}, {40, 20, 20, 20}, {40, 40, 40, 20}, {40, 20, 20, 20}};
  for (std::size_t k = 0; k < feed.size(); ++k) {
    const SolveResult& r = state.results[k];
    EXPECT_EQ((std::array<int, 4>{r.feedDenominator.first, r.feedDenominator.second,
                                  r.feedNumerator.first, r.feedNumerator.second}),
              feed[k]) << k;
  }
  EXPECT_EQ(state.results[0].feedError, state.results[2].feedError);
}

TEST_F(WorkerTest, ToleranceIsStrictAndWiderForWholeC) {
  // C, Kf and sin 1: the wanted ratio is piOverPn itself, so the error
  // against the single ratio 1 is exactly the offset.
  state.pairTable = MakePairTable({40});
  AddCandidate(1, Decimal100(1));
  const Decimal100 tiny("1e-90");
  const std::vector<std::tuple<bool, Decimal100, bool>> cases = {
      {false, Decimal100(5e-6), false},       {false, Decimal100(5e-6) - tiny, true},
      {false, Decimal100("1.2e-5"), false},   {true, Decimal100("1.2e-5"), true},
      {true, Decimal100(1.5e-5), false},      {true, Decimal100(1.5e-5) - tiny, true}};
  for (const auto& [wholeC, offset, kept] : cases) {
    state.results.clear();
    context.wholeC = wholeC;
    context.piOverPn = Decimal100(1) + offset;
    RunAll();
    ASSERT_EQ(state.results.size(), kept ? 1u : 0u) << wholeC << " " << offset;
    if (kept) {
      EXPECT_EQ(state.results[0].feedError, offset);
    }
  }
}

TEST_F(WorkerTest, UnusableNumbersGiveNoMatch) {
  state.pairTable = MakePairTable({20, 40});
  state.candidates.push_back({1, 1, 1, 1, Decimal100(0), Decimal100("1e-110")});
  state.candidates.push_back({2, 2, 2, 2, Decimal100(0), Decimal100(0)});
  for (const Decimal100& feedConstant : {Decimal100(1), Decimal100(0)}) {
    for (const Decimal100& piOverPn : {Decimal100(1), Decimal100(0)}) {
      context.feedConstant = feedConstant;  // 0: infinite ratio; with piOverPn 0, NaN
      context.piOverPn = piOverPn;
      RunAll();
    }
  }
  EXPECT_TRUE(state.results.empty());
}

TEST_F(WorkerTest, KeepsTheBest200InOrder) {
  state.pairTable = MakePairTable({40});
  // Each candidate is a little better than the one before.
  for (int k = 0; k < 250; ++k)
    AddCandidate(static_cast<std::uint16_t>(k), Decimal100(1) + Decimal100(250 - k) * Decimal100("1e-8"));
  RunAll();
  ASSERT_EQ(state.results.size(), kMaxResults);
  for (std::size_t k = 0; k < kMaxResults; ++k) {
    EXPECT_EQ(state.results[k].indexNumerator.first, 249 - k);
    // An error of about 1e-8 on a ratio of about 1: the digits that count
    // are those of the ratio.
    EXPECT_LE(testing::ErrorInEps(state.results[k].feedError, Rational(k + 1, 100000000), 1), 10.0);
  }
}

TEST_F(WorkerTest, ProgressAtEveryHundredthCandidateOfAllWorkers) {
  state.pairTable = MakePairTable({40});
  for (int k = 0; k < 250; ++k) AddCandidate(1, Decimal100(2));  // ratio 2: no match
  Run(0, 99);
  EXPECT_TRUE(controls.status.empty());
  Run(99, 150);  // the 100th candidate is this worker's 1st
  Run(150, 250);
  EXPECT_EQ(state.progressCounter.load(), 250u);
  const std::string tail = " of 250 C constants using 2 logical processors... Press Escape to break early";
  EXPECT_EQ(controls.status, (std::vector<std::string>{"Processing 100" + tail, "Processing 200" + tail}));
  EXPECT_EQ(controls.GetText(IDC_C_LINE, 170), "Processing 200" + tail);
}

TEST_F(WorkerTest, StopKeepsWhatWasFound) {
  state.pairTable = MakePairTable({40});
  for (int k = 0; k < 150; ++k)
    AddCandidate(static_cast<std::uint16_t>(k), Decimal100(1) + Decimal100(150 - k) * Decimal100("1e-8"));
  state.stopRequested = true;
  RunAll();
  EXPECT_TRUE(state.results.empty());
  EXPECT_EQ(state.progressCounter.load(), 0u);

  // Escape arrives with the progress text of the 100th candidate: that
  // candidate stops before its first pair, and no later one starts.
  state.stopRequested = false;
  controls.onStatus = [this] { state.stopRequested = true; };
  RunAll();
  EXPECT_EQ(state.progressCounter.load(), 100u);
  ASSERT_EQ(state.results.size(), 99u);
  EXPECT_EQ(state.results.front().indexNumerator.first, 98);
}

TEST(FeedRatio, AtCtargetIsFeedRateOverFeedConstant) {
  MemoryControls controls;
  testing::SetJob(controls, testing::Job{});
  const auto job = ReadJobValues(controls);
  ASSERT_TRUE(job);
  const Decimal100 ratio = FeedRatio(job->cTarget, job->feedConstant, job->sinHelix, job->piOverPn);
  EXPECT_LE(testing::RelativeErrorInEps(ratio, Rational(1, 3)), 10.0);  // .025 / 0.075
}

}  // namespace
}  // namespace corvanta
