// The Solve: the split, the final order, the job validation, the driver on
// in-memory controls with a scripted platform, and the platforms' waits.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <set>

#include "app/validate_inputs.h"
#include "results/result_display.h"
#include "search/order_results.h"
#include "search/search_test_support.h"
#include "search/solve_driver.h"
#include "search/thread_platform.h"
#ifdef _WIN32
#include "app/win32_solve_platform.h"
#endif

namespace corvanta {
namespace {

using Counts = std::array<std::uint16_t, 8>;

TEST(SplitCandidates, ChunksRoundedUpAndEmptyRangesAtTheEnd) {
  using Ranges = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
  const auto split = [](std::size_t n, unsigned p) {
    Ranges ranges;
    for (const WorkerRange& r : SplitCandidates(n, p)) ranges.emplace_back(r.rangeBegin, r.rangeEnd);
    return ranges;
  };
  EXPECT_EQ(split(10, 8), (Ranges{{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}, {10, 10}, {10, 10}, {10, 10}}));
  EXPECT_EQ(split(3, 8), (Ranges{{0, 3}, {3, 3}, {3, 3}}));
  EXPECT_EQ(split(1000, 8), (Ranges{{0, 125}, {125, 250}, {250, 375}, {375, 500}, {500, 625},
                                    {625, 750}, {750, 875}, {875, 1000}}));
  EXPECT_EQ(split(0, 8), Ranges{});
  // A system that reports no processor count still gets one worker.
  EXPECT_EQ(split(7, UsableProcessors(0)), (Ranges{{0, 7}}));
}

SolveResult Make(const Counts& t, const std::string& feedError, const std::string& c = "20") {
  return SolveResult{{t[0], t[1]}, {t[2], t[3]}, {t[4], t[5]}, {t[6], t[7]}, Decimal100(feedError), Decimal100(c)};
}

// Duplicates out (the same gears, whatever the order within each pair);
// ties on the feed error go to fewer repeats, then smaller C, then the
// tooth counts from the last.
TEST(OrderResults, DuplicatesOutAndTheTieBreaks) {
  std::vector<SolveResult> results = {
      Make({85, 53, 47, 35, 69, 62, 73, 44}, "3e-9"), Make({53, 85, 35, 47, 62, 69, 44, 73}, "3e-9"),
      Make({85, 53, 47, 35, 69, 62, 44, 72}, "3e-9"),  // one gear different: kept
      Make({20, 20, 22, 23, 24, 25, 26, 27}, "1e-9", "10"),  // a repeated gear
      Make({21, 22, 23, 24, 25, 26, 27, 90}, "1e-9", "30"),
      Make({21, 22, 23, 24, 25, 26, 27, 28}, "1e-9", "30"),
      Make({21, 22, 23, 24, 25, 26, 27, 29}, "1e-9", "20"),
      Make({19, 22, 23, 24, 25, 26, 27, 28}, "1e-9", "30"),
      Make({85, 53, 47, 35, 69, 62, 73, 44}, "3e-9"),
  };
  OrderResults(results);
  EXPECT_EQ(testing::CountsOf(results), (std::vector<Counts>{
      {21, 22, 23, 24, 25, 26, 27, 29}, {19, 22, 23, 24, 25, 26, 27, 28}, {21, 22, 23, 24, 25, 26, 27, 28},
      {21, 22, 23, 24, 25, 26, 27, 90}, {20, 20, 22, 23, 24, 25, 26, 27}, {85, 53, 47, 35, 69, 62, 73, 44},
      {85, 53, 47, 35, 69, 62, 44, 72}}));
}

// 350 distinct results, worst first: the 200 of smallest error remain, in order.
TEST(OrderResults, CutsThreeHundredFiftyDistinctToTheBestTwoHundred) {
  std::vector<SolveResult> results;
  for (std::uint16_t k = 0; k < 350; ++k)  // a > b always: no two the same gears
    results.push_back(Make({static_cast<std::uint16_t>(20 + k % 140), static_cast<std::uint16_t>(16 + k / 140),
                            40, 41, 42, 43, 44, 45}, std::to_string(350 - k) + "e-9"));
  OrderResults(results);
  ASSERT_EQ(results.size(), kMaxResults);
  for (std::size_t k = 0; k < results.size(); ++k)
    EXPECT_EQ(results[k].feedError, Decimal100(std::to_string(k + 1) + "e-9")) << k;
  EXPECT_EQ(results.capacity(), kMaxResults);
}

// Each bound just inside and just outside; texts as a field may hold them.
TEST(ValidateInputs, EachFieldAtBothEndsOfItsRange) {
  const std::vector<std::tuple<ControlId, std::string, bool>> cases = {
      {IDC_INDEX_CONST, "120", true},            {IDC_INDEX_CONST, "121", false},
      {IDC_INDEX_CONST, "1", true},              {IDC_INDEX_CONST, "0.999", false},
      {IDC_INDEX_CONST, "", false},              {IDC_FEED_CONST, "90", true},
      {IDC_FEED_CONST, "90.0001", false},        {IDC_FEED_CONST, "", true},  // empty counts as 0
      {IDC_FEED_CONST, "nan", false},            {IDC_HELIX_ANGLE, "89.9", true},
      {IDC_HELIX_ANGLE, "89.91", false},         {IDC_HELIX_ANGLE, "0.000001", true},
      {IDC_HELIX_ANGLE, "0.0000009", false},     {IDC_NORMAL_DIAMETRAL_PITCH, "0.35", true},
      {IDC_NORMAL_DIAMETRAL_PITCH, "0.349", false}, {IDC_NORMAL_DIAMETRAL_PITCH, "360", true},
      {IDC_NORMAL_DIAMETRAL_PITCH, "360.01", false}, {IDC_FEED_RATE, "0.1", true},
      {IDC_FEED_RATE, "0.1001", false},
      // Only the first 58 characters are read.
      {IDC_INDEX_CONST, std::string(56, '0') + "1210", true}, {IDC_INDEX_CONST, std::string(55, '0') + "121", false},
  };
  for (const auto& [field, text, passes] : cases) {
    MemoryControls controls;
    testing::SetJob(controls, {});
    controls.Enable(IDC_SOLVE_BUTTON, !passes);
    controls.SetText(field, text);
    EXPECT_EQ(ValidateInputs(controls), passes) << field << " \"" << text << "\"";
    EXPECT_EQ(controls.IsEnabled(IDC_SOLVE_BUTTON), passes) << field << " " << text;
    const auto problem = FindInputProblem(controls);
    EXPECT_EQ(problem ? problem->control : 0, passes ? 0 : field) << field << " " << text;
  }
}

template <typename Platform>
class SolvePlatformTest : public ::testing::Test {};
#ifdef _WIN32
using Platforms = ::testing::Types<ThreadPlatform, Win32SolvePlatform>;
#else
using Platforms = ::testing::Types<ThreadPlatform>;
#endif
TYPED_TEST_SUITE(SolvePlatformTest, Platforms);

// Beyond 64 workers, the most a single wait on Windows can cover.
TYPED_TEST(SolvePlatformTest, WaitsForEveryWorkerInSlicesAndReturnsWhenTheLastEnds) {
  for (int workers : {1, 65}) {
    TypeParam platform;
    std::atomic<int> ran{0}, open{0};  // open 1: all but the last may end; 2: the last too
    for (int w = 0; w < workers; ++w) {
      const int gate = w == workers - 1 ? 2 : 1;
      ASSERT_TRUE(platform.StartWorker([&ran, &open, gate] {
        while (open.load() < gate) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ++ran;
      }));
    }
    open = 1;
    while (ran.load() < workers - 1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(platform.WaitForWorkers(std::chrono::milliseconds(10))) << workers;
    open = 2;
    EXPECT_TRUE(platform.WaitForWorkers(std::chrono::hours(1)));  // ends with the worker
    EXPECT_EQ(ran.load(), workers);
    platform.CloseWorkers();
  }
}

// Standard threads with short wait slices; hooks for the stop key, the pump
// and thread creation.
class ScriptedPlatform : public ThreadPlatform {
 public:
  using ThreadPlatform::ThreadPlatform;
  std::function<bool()> stopKey = [] { return false; }, pump = [] { return true; };
  std::function<bool()> startWorker = [] { return true; };  // false: no thread for it
  int alerts = 0;

  bool WaitForWorkers(std::chrono::milliseconds) override {
    return ThreadPlatform::WaitForWorkers(std::chrono::milliseconds(2));
  }
  bool StartWorker(std::function<void()> body) override {
    return startWorker() && ThreadPlatform::StartWorker(std::move(body));
  }
  bool StopKeyHeld() override { return stopKey(); }
  bool PumpMessages() override { return pump(); }
  void StopAlert() override { ++alerts; }
  void Pause(std::chrono::milliseconds) override {}
};

// The regression job on 20 to 55 teeth: 34 candidates. No search here reaches
// a progress text, which workers would write to the status line.
void SetSmallJob(MemoryControls& controls, const std::vector<int>& stock = testing::Stock(20, 55)) {
  testing::SetStock(controls, stock);
  testing::SetJob(controls, {});
}

// With three processors the second worker gets no thread and runs on the
// caller's. While the workers run, every control of the lock set and the
// menu bar are disabled and a second Solve and the result calls refused.
TEST(RunSolve, ResultsAreThoseTheSplitImpliesAndTheInterfaceIsLockedMeanwhile) {
  std::set<ControlId> locked = {1001, 1002, 1003, 1011, 3000, 3001, 3002, 3008, 3009, 3010, 3012,
                                3013, 3014, 3015, 3016, 3017, 3019, 3021, 3022};
  for (ControlId id = 2001; id <= 2007; ++id) locked.insert(id);
  for (ControlId id = 3028; id <= 3035; ++id) locked.insert(id);
  EXPECT_EQ(std::set<ControlId>(ControlLockSet().begin(), ControlLockSet().end()), locked);
  for (unsigned processors : {1u, 2u, 3u}) {
    SCOPED_TRACE(processors);
    testing::StatusControls controls;
    SetSmallJob(controls);
    const auto expected = testing::ListTheSplitImplies(testing::Stock(20, 55), processors);
    ASSERT_FALSE(expected.empty());
    ScriptedPlatform platform(processors), second(2);
    int starts = 0, checks = 0;
    platform.startWorker = [&] { return ++starts != 2 || processors != 3; };
    SearchState state;
    platform.pump = [&] {
      if (checks++ > 0) return true;
      for (ControlId id : locked) EXPECT_FALSE(controls.IsEnabled(id)) << id;
      EXPECT_FALSE(controls.IsMenuBarItemEnabled(0));
      EXPECT_FALSE(SolveCommand(controls, second, state).ran);
      EXPECT_FALSE(ShowSearchResult(controls, state, 0) || ClearSearchResults(state));
      return true;
    };
    const SolveOutcome outcome = SolveCommand(controls, platform, state);
    if (processors == 2) {
      ASSERT_GT(checks, 0) << "the search ended before the first slice";
    }
    EXPECT_EQ(outcome.candidates, 34u);
    EXPECT_EQ(outcome.workersStarted, processors);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(testing::CountsOf(state.results), expected);
    EXPECT_EQ(platform.RunningWorkers(), 0u);
    for (ControlId id : locked) EXPECT_EQ(controls.IsEnabled(id), id != IDC_SOLVE_BUTTON) << id;
    EXPECT_TRUE(controls.IsMenuBarItemEnabled(0));
    // Result 1 on display; the status line emptied before it.
    EXPECT_EQ(controls.GetSpinnerPosition(IDC_RESULT_SELECTOR), 1);
    const auto texts = EvaluateResult(controls, state.results[0]);
    ASSERT_TRUE(texts);
    const std::vector<std::string>& status = controls.status;
    ASSERT_GE(status.size(), 3u);
    EXPECT_EQ(status[0], "Finding Applicable C Constants...");
    EXPECT_EQ(std::vector<std::string>(status.end() - 2, status.end()), (std::vector<std::string>{"", texts->cLine}));
  }
}

// Escape held once 12 candidates are done, before the 100th: the matches
// found so far are kept and ordered, and no progress text was shown.
TEST(RunSolve, AStopBeforeAnyProgressTextKeepsTheMatchesFoundSoFar) {
  testing::StatusControls controls;
  SetSmallJob(controls, testing::Stock());
  ScriptedPlatform platform(1);
  SearchState state;
  platform.stopKey = [&] { return state.progressCounter.load() > 12; };
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_GE(platform.alerts, 1);
  EXPECT_LT(state.progressCounter.load(), 100u);
  ASSERT_FALSE(state.results.empty());
  for (std::size_t k = 1; k < state.results.size(); ++k)
    EXPECT_LE(state.results[k - 1].feedError, state.results[k].feedError);
  for (const std::string& text : controls.status) EXPECT_EQ(text.find("Processing"), std::string::npos) << text;
  EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON));
  EXPECT_FALSE(controls.GetText(IDC_LEAD_LINE, 100).empty());
}

// The window destroyed during the wait (which frees the lists), the pump
// seeing a shutdown, out of memory starting the second worker, or no gear
// in stock: the run still waits for its workers (they hold references into
// it), frees the lists where it must, and hands the window back unlocked.
TEST(RunSolve, EndingEarlyStillWaitsAndUnlocks) {
  for (const char* how : {"destroyed", "shutdown", "out of memory", "no stock"}) {
    SCOPED_TRACE(how);
    const std::string end = how;
    testing::StatusControls controls;
    SetSmallJob(controls, end == "no stock" ? std::vector<int>{} : testing::Stock(20, 55));
    ScriptedPlatform platform(3);
    SearchState state;
    int starts = 0;
    platform.startWorker = [&] { return end == "out of memory" && ++starts == 2 ? throw std::bad_alloc() : true; };
    platform.pump = [&] {
      if (end == "destroyed") {
        ReleaseSearchLists(state);
        EXPECT_FALSE(state.candidates.empty());
      }
      return end != "shutdown";
    };
    const SolveOutcome outcome = SolveCommand(controls, platform, state);
    EXPECT_EQ(outcome.failed, end == "out of memory");
    EXPECT_TRUE(end == "out of memory" || outcome.stopped == (end != "no stock"));
    EXPECT_LT(state.progressCounter.load(), 34u);
    EXPECT_EQ(platform.RunningWorkers(), 0u);
    EXPECT_TRUE(end == "shutdown" || (state.pairTable.empty() && state.results.empty()));
    EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON) && controls.IsMenuBarItemEnabled(0));
    EXPECT_FALSE(SolveRunning(state));
    if (end == "no stock") {
      EXPECT_EQ(outcome.candidates + outcome.workersStarted, 0u);
      EXPECT_TRUE(controls.IsVisible(IDC_RESULT_CAPTION) && controls.IsMenuCommandEnabled(IDM_PRINT));
    }
  }
}

// "12abc" passes the range check (the C library reads 12) but not the
// 100-digit parser: the run ends as one without candidates, unlocked.
TEST(RunSolve, AFieldOnlyTheRangeCheckAcceptsEndsWithNoCandidates) {
  testing::StatusControls controls;
  SetSmallJob(controls);
  controls.SetText(IDC_FEED_CONST, "12abc");
  ASSERT_TRUE(ValidateInputs(controls));
  ScriptedPlatform platform(2);
  SearchState state;
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  EXPECT_TRUE(outcome.ran);
  EXPECT_FALSE(outcome.failed || outcome.stopped);
  EXPECT_EQ(outcome.candidates + outcome.workersStarted, 0u);
  EXPECT_TRUE(state.results.empty());
  EXPECT_EQ(controls.GetText(IDC_C_LINE, 100), "");
  EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON) && controls.IsMenuBarItemEnabled(0));
  EXPECT_FALSE(SolveRunning(state));
}

}  // namespace
}  // namespace corvanta
