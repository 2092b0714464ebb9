// The Solve: the split, the final order, the job validation, and the driver
// on in-memory controls with a scripted platform.
#include <gtest/gtest.h>

#include <functional>

#include "app/validate_inputs.h"
#include "search/order_results.h"
#include "search/search_test_support.h"
#include "search/solve_driver.h"
#include "search/thread_platform.h"

namespace corvanta {
namespace {

using Counts = std::array<std::uint16_t, 8>;

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
  EXPECT_EQ(split(1000), (Ranges{{0, 125},
                                 {125, 250},
                                 {250, 375},
                                 {375, 500},
                                 {500, 625},
                                 {625, 750},
                                 {750, 875},
                                 {875, 1000}}));
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

// Each bound just inside and just outside; texts as a field may hold them.
TEST(ValidateInputs, EachFieldAtBothEndsOfItsRange) {
  const std::vector<std::tuple<ControlId, std::string, bool>> cases = {
      {IDC_INDEX_CONST, "120", true},
      {IDC_INDEX_CONST, "121", false},
      {IDC_INDEX_CONST, "1", true},
      {IDC_INDEX_CONST, "0.999", false},
      {IDC_FEED_CONST, "90", true},
      {IDC_FEED_CONST, "90.0001", false},
      {IDC_HELIX_ANGLE, "89.9", true},
      {IDC_HELIX_ANGLE, "89.91", false},
      {IDC_NORMAL_DIAMETRAL_PITCH, "0.35", true},
      {IDC_NORMAL_DIAMETRAL_PITCH, "0.349", false},
      {IDC_FEED_RATE, "0.1", true},
      {IDC_FEED_RATE, "0.1001", false},
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

// The regression job on 20 to 55 teeth: 34 candidates.
void SetSmallJob(MemoryControls& controls, const std::vector<int>& stock = testing::Stock(20, 55)) {
  testing::SetStock(controls, stock);
  testing::SetJob(controls, {});
}

// While the workers run the window is locked and a second Solve refused;
// Escape held once 12 candidates are done: the matches found so far are
// kept, ordered and shown.
TEST(RunSolve, AStopBeforeAnyProgressTextKeepsTheMatchesFoundSoFar) {
  MemoryControls controls;
  SetSmallJob(controls, testing::Stock());
  ScriptedPlatform platform(1), second(1);
  SearchState state;
  platform.stopKey = [&] {
    for (ControlId id : ControlLockSet()) EXPECT_FALSE(controls.IsEnabled(id)) << id;
    EXPECT_FALSE(controls.IsMenuBarItemEnabled(0));
    EXPECT_FALSE(SolveCommand(controls, second, state).ran);
    return state.progressCounter.load() > 12;
  };
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_GE(platform.alerts, 1);
  EXPECT_LT(state.progressCounter.load(), 100u);
  ASSERT_FALSE(state.results.empty());
  for (std::size_t k = 1; k < state.results.size(); ++k)
    EXPECT_LE(state.results[k - 1].feedError, state.results[k].feedError);
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
    MemoryControls controls;
    SetSmallJob(controls, end == "no stock" ? std::vector<int>{} : testing::Stock(20, 55));
    ScriptedPlatform platform(3);
    SearchState state;
    int starts = 0;
    platform.startWorker = [&] {
      return end == "out of memory" && ++starts == 2 ? throw std::bad_alloc() : true;
    };
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
      EXPECT_TRUE(controls.IsVisible(IDC_RESULT_CAPTION) &&
                  controls.IsMenuCommandEnabled(IDM_PRINT));
    }
  }
}

// "12abc" passes the range check (the C library reads 12) but not the
// 100-digit parser: the run ends as one without candidates, unlocked.
TEST(RunSolve, AFieldOnlyTheRangeCheckAcceptsEndsWithNoCandidates) {
  MemoryControls controls;
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
