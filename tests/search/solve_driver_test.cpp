// The Solve driver: the split, the locked interface, the wait with its stop
// key and message pump, and the results the split implies, on in-memory
// controls and standard threads.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "results/result_display.h"
#include "search/candidates.h"
#include "search/order_results.h"
#include "search/search_test_support.h"
#include "search/search_worker.h"
#include "search/solve_driver.h"
#include "search/thread_platform.h"

namespace corvanta {
namespace {

using Ranges = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

Ranges Split(std::size_t n, unsigned p) {
  Ranges ranges;
  for (const WorkerRange& r : SplitCandidates(n, p)) ranges.emplace_back(r.rangeBegin, r.rangeEnd);
  return ranges;
}

TEST(SplitCandidates, ChunksRoundedUpAndEmptyRangesAtTheEnd) {
  EXPECT_EQ(Split(10, 8), (Ranges{{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}, {10, 10}, {10, 10}, {10, 10}}));
  EXPECT_EQ(Split(3, 8), (Ranges{{0, 3}, {3, 3}, {3, 3}}));
  EXPECT_EQ(Split(1000, 8), (Ranges{{0, 125}, {125, 250}, {250, 375}, {375, 500}, {500, 625},
                                    {625, 750}, {750, 875}, {875, 1000}}));
  EXPECT_EQ(Split(8, 8), (Ranges{{0, 8}, {8, 8}, {8, 8}, {8, 8}, {8, 8}, {8, 8}, {8, 8}, {8, 8}}));
  EXPECT_EQ(Split(9, 8), (Ranges{{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 9}, {9, 9}, {9, 9}, {9, 9}}));
  EXPECT_EQ(Split(5, 1), (Ranges{{0, 5}}));
  EXPECT_EQ(Split(0, 8), Ranges{});
  EXPECT_EQ(Split(7, 0), Ranges{});
  // A system that reports no processor count still gets one worker.
  EXPECT_EQ(Split(7, UsableProcessors(0)), (Ranges{{0, 7}}));
}

TEST(SplitCandidates, EveryCandidateExactlyOnceInOrder) {
  for (std::size_t n = 1; n <= 300; n += 7) {
    for (unsigned p : {1u, 2u, 3u, 7u, 8u, 64u, 65u, 200u, 1000u}) {
      const Ranges ranges = Split(n, p);
      ASSERT_EQ(ranges.size(), std::min<std::size_t>(n, p)) << n << " on " << p;
      std::uint32_t next = 0;
      for (const auto& [begin, end] : ranges) {
        EXPECT_EQ(begin, next) << n << " on " << p;
        EXPECT_LE(begin, end);
        // With no more candidates than processors, the first takes them all.
        EXPECT_LE(end - begin, n > p ? (n + p - 1) / p : n);
        next = end;
      }
      EXPECT_EQ(next, n) << n << " on " << p;
    }
  }
}

// In-memory controls that remember every text the status line was given.
class RecordingControls : public MemoryControls {
 public:
  RecordingControls() : MemoryControls(4) {}
  void SetText(ControlId id, std::string_view text) override {
    if (id == IDC_C_LINE) {
      std::lock_guard<std::mutex> lock(historyMutex_);
      statusHistory_.emplace_back(text);
    }
    MemoryControls::SetText(id, text);
  }
  std::vector<std::string> StatusHistory() const {
    std::lock_guard<std::mutex> lock(historyMutex_);
    return statusHistory_;
  }

 private:
  mutable std::mutex historyMutex_;
  std::vector<std::string> statusHistory_;
};

// Standard threads with a scripted window: short wait slices, so that a
// test reacts quickly, and hooks in place of the stop key and the pump.
class ScriptedPlatform : public ThreadPlatform {
 public:
  explicit ScriptedPlatform(unsigned processors) : ThreadPlatform(processors) {}
  std::function<bool()> stopKey = [] { return false; };
  std::function<bool()> pump = [] { return true; };
  std::function<bool()> startWorker = [] { return true; };  // false: no thread for it
  int alerts = 0, pumps = 0, pauses = 0;

  bool WaitForWorkers(std::chrono::milliseconds slice) override {
    EXPECT_EQ(slice, kWaitSlice);
    return ThreadPlatform::WaitForWorkers(std::chrono::milliseconds(2));
  }
  bool StartWorker(std::function<void()> body) override {
    return startWorker() && ThreadPlatform::StartWorker(std::move(body));
  }
  bool StopKeyHeld() override { return stopKey(); }
  bool PumpMessages() override {
    ++pumps;
    return pump();
  }
  void StopAlert() override { ++alerts; }
  void Pause(std::chrono::milliseconds duration) override {
    EXPECT_EQ(duration, kWorkerStartPause);
    ++pauses;
  }
};

std::vector<int> Stock(int from, int to) {
  std::vector<int> teeth;
  for (int t = from; t <= to; ++t) teeth.push_back(t);
  return teeth;
}

// A job whose search is short: the regression job on 20 to 55 teeth (34
// candidates, 22 results).
void SetSmallJob(MemoryControls& controls, testing::Job job = {}) {
  testing::SetStock(controls, Stock(20, 55));
  testing::SetJob(controls, job);
}

// The results the split implies, worked out without the driver: each
// range's worker run on its own, their lists together, then ordered.
std::vector<std::array<std::uint16_t, 8>> ExpectedResults(const MemoryControls& controls,
                                                          unsigned processors,
                                                          std::size_t* candidateCount = nullptr) {
  SearchState state;
  BuildPairTable(controls, state);
  const auto job = ReadJobValues(controls);
  EXPECT_TRUE(job);
  EXPECT_TRUE(FindCandidates(state, controls, *job));
  if (candidateCount != nullptr) *candidateCount = state.candidates.size();
  for (const WorkerRange& range : SplitCandidates(state.candidates.size(), processors)) {
    WorkerContext context;
    context.rangeBegin = range.rangeBegin;
    context.rangeEnd = range.rangeEnd;
    context.feedConstant = job->feedConstant;
    context.sinHelix = job->sinHelix;
    context.piOverPn = job->piOverPn;
    context.wholeC = job->wholeC;
    context.state = &state;
    SearchWorker(context);
  }
  OrderResults(state.results);
  std::vector<std::array<std::uint16_t, 8>> counts;
  for (const SolveResult& r : state.results) counts.push_back(ToothCounts(r));
  return counts;
}

std::vector<std::array<std::uint16_t, 8>> CountsOf(const std::vector<SolveResult>& results) {
  std::vector<std::array<std::uint16_t, 8>> counts;
  for (const SolveResult& r : results) counts.push_back(ToothCounts(r));
  return counts;
}

// The controls a search must lock, listed by identifier independently of
// the driver's own list.
std::set<ControlId> LockedDuringSearch() {
  std::set<ControlId> ids = {1001, 1002, 1003, 1011, 3000, 3001, 3002, 3008, 3009, 3010, 3012,
                             3013, 3014, 3015, 3016, 3017, 3019, 3021, 3022};
  for (ControlId id = 2001; id <= 2007; ++id) ids.insert(id);
  for (ControlId id = 3028; id <= 3035; ++id) ids.insert(id);
  return ids;
}

TEST(RunSolve, ResultsAreThoseTheSplitImpliesAndResultOneIsShown) {
  for (unsigned processors : {1u, 2u, 3u}) {
    SCOPED_TRACE(processors);
    RecordingControls controls;
    SetSmallJob(controls);
    controls.SetText(IDC_C_LINE, "an old result");
    std::size_t candidates = 0;
    const auto expected = ExpectedResults(controls, processors, &candidates);
    ASSERT_GT(candidates, 3u);
    ASSERT_FALSE(expected.empty());

    ScriptedPlatform platform(processors);
    SearchState state;
    const SolveOutcome outcome = SolveCommand(controls, platform, state);
    EXPECT_TRUE(outcome.ran);
    EXPECT_EQ(outcome.candidates, candidates);
    EXPECT_EQ(outcome.processors, processors);
    EXPECT_EQ(outcome.workersStarted, processors);
    EXPECT_EQ(platform.pauses, static_cast<int>(processors));
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(CountsOf(state.results), expected);
    EXPECT_TRUE(state.candidates.empty());
    EXPECT_EQ(platform.RunningWorkers(), 0u);

    EXPECT_EQ(controls.GetSpinnerPosition(IDC_RESULT_SELECTOR), 1);
    const auto texts = EvaluateResult(controls, state.results[0]);
    ASSERT_TRUE(texts);
    EXPECT_EQ(controls.GetText(IDC_LEAD_LINE, 200), texts->leadLine);
    EXPECT_EQ(controls.GetText(IDC_INDEX_UPPER_LEFT, 200), texts->indexCells[0]);
    const std::vector<std::string> status = controls.StatusHistory();
    ASSERT_GE(status.size(), 3u);
    EXPECT_EQ(status[1], "Finding Applicable C Constants...");
    EXPECT_EQ(status[status.size() - 2], "");  // the status line emptied before the display
    EXPECT_EQ(status.back(), texts->cLine);
  }
}

TEST(RunSolve, LocksTheInterfaceWhileTheWorkersRunAndUnlocksItAfter) {
  RecordingControls controls;
  SetSmallJob(controls);
  ScriptedPlatform platform(2);
  SearchState state;
  int checks = 0;
  platform.pump = [&] {
    if (checks++ == 0) {
      for (ControlId id : LockedDuringSearch()) EXPECT_FALSE(controls.IsEnabled(id)) << id;
      EXPECT_TRUE(controls.IsEnabled(IDC_C_LINE));  // the status line stays
      for (int item = 0; item < controls.MenuBarItemCount(); ++item)
        EXPECT_FALSE(controls.IsMenuBarItemEnabled(item)) << item;
      EXPECT_TRUE(SolveRunning(state));
    }
    return true;
  };
  RunSolve(controls, platform, state);
  ASSERT_GT(checks, 0) << "the search ended before the first slice; the job is too small";
  EXPECT_FALSE(SolveRunning(state));
  for (ControlId id : LockedDuringSearch())
    EXPECT_EQ(controls.IsEnabled(id), id != IDC_SOLVE_BUTTON) << id;
  for (int item = 0; item < controls.MenuBarItemCount(); ++item)
    EXPECT_TRUE(controls.IsMenuBarItemEnabled(item)) << item;
  EXPECT_EQ(std::set<ControlId>(ControlLockSet().begin(), ControlLockSet().end()), LockedDuringSearch());
}

// Escape held once some candidates are done, before the 100th: the search
// stops, the matches found so far are kept and ordered, and no progress
// text was ever shown.
TEST(RunSolve, AStopBeforeAnyProgressTextKeepsTheMatchesFoundSoFar) {
  RecordingControls controls;
  testing::SetStock(controls, testing::DefaultStock());
  testing::SetJob(controls, {});
  ScriptedPlatform platform(1);
  SearchState state;
  // The first candidates of the regression job already have matches: a
  // worker over them alone keeps some.
  constexpr std::uint32_t kDone = 12;
  {
    SearchState prefix;
    BuildPairTable(controls, prefix);
    const auto job = ReadJobValues(controls);
    ASSERT_TRUE(job && FindCandidates(prefix, controls, *job));
    WorkerContext context;
    context.rangeEnd = kDone;
    context.feedConstant = job->feedConstant;
    context.sinHelix = job->sinHelix;
    context.piOverPn = job->piOverPn;
    context.state = &prefix;
    SearchWorker(context);
    ASSERT_FALSE(prefix.results.empty());
  }
  // Held from the moment candidate kDone + 1 has started, so the first
  // kDone are complete.
  platform.stopKey = [&] { return state.progressCounter.load() > kDone; };
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_GE(platform.alerts, 1);
  EXPECT_LT(state.progressCounter.load(), 100u);
  EXPECT_FALSE(state.results.empty());
  for (std::size_t k = 1; k < state.results.size(); ++k)
    EXPECT_LE(state.results[k - 1].feedError, state.results[k].feedError);
  for (const std::string& text : controls.StatusHistory())
    EXPECT_EQ(text.find("Processing"), std::string::npos) << text;
  // The run completed as usual: unlocked, result 1 on display.
  EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON));
  EXPECT_FALSE(controls.GetText(IDC_LEAD_LINE, 100).empty());
}

TEST(RunSolve, ProgressTextAtEveryHundredthCandidate) {
  RecordingControls controls;
  testing::SetStock(controls, testing::DefaultStock());
  testing::SetJob(controls, {});
  ScriptedPlatform platform(2);
  SearchState state;
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  ASSERT_EQ(outcome.candidates, 225u);
  std::vector<std::string> progress;
  for (const std::string& text : controls.StatusHistory())
    if (text.rfind("Processing", 0) == 0) progress.push_back(text);
  EXPECT_EQ(progress, (std::vector<std::string>{ProgressText(100, 225, 2), ProgressText(200, 225, 2)}));
}

TEST(RunSolve, ASecondSolveFromThePumpIsRefusedAndChangesNothing) {
  RecordingControls controls;
  SetSmallJob(controls);
  const auto expected = ExpectedResults(controls, 2);
  ScriptedPlatform platform(2), second(2);
  SearchState state;
  int attempts = 0;
  platform.pump = [&] {
    if (attempts++ == 0) {
      const std::size_t candidates = state.candidates.size();
      EXPECT_FALSE(SolveCommand(controls, second, state).ran);
      EXPECT_FALSE(RunSolve(controls, second, state).ran);
      EXPECT_FALSE(ClearSearchResults(state));
      EXPECT_FALSE(ShowSearchResult(controls, state, 0));
      EXPECT_EQ(state.candidates.size(), candidates);
    }
    return true;
  };
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  ASSERT_GT(attempts, 0);
  EXPECT_TRUE(outcome.ran);
  EXPECT_EQ(second.pauses, 0);
  EXPECT_EQ(CountsOf(state.results), expected);
  // Once it has ended, the same calls are served.
  EXPECT_TRUE(ShowSearchResult(controls, state, 0));
  EXPECT_TRUE(ClearSearchResults(state));
  EXPECT_TRUE(state.results.empty());
}

// The window destroyed during the wait (its destruction frees the lists):
// the workers keep reading valid lists, stop early, and the lists are freed
// once they have ended.
TEST(RunSolve, TheWindowGoingAwayStopsTheSearchAndFreesTheListsAfterIt) {
  RecordingControls controls;
  SetSmallJob(controls);
  ScriptedPlatform platform(2);
  SearchState state;
  bool released = false;
  platform.pump = [&] {
    if (!released) {
      ReleaseSearchLists(state);
      released = true;
      EXPECT_FALSE(state.pairTable.empty());
      EXPECT_FALSE(state.candidates.empty());
      EXPECT_TRUE(state.stopRequested.load());
    }
    return true;
  };
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  ASSERT_TRUE(released);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_TRUE(state.pairTable.empty());
  EXPECT_TRUE(state.stockGears.empty());
  EXPECT_TRUE(state.results.empty());
  EXPECT_TRUE(state.seenDeviations.empty());
}

TEST(RunSolve, AShutdownSeenByThePumpStopsTheSearch) {
  RecordingControls controls;
  SetSmallJob(controls);
  ScriptedPlatform platform(2);
  SearchState state;
  platform.pump = [] { return false; };
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_LT(state.progressCounter.load(), outcome.candidates);
}

TEST(RunSolve, WorkersWithoutAThreadRunOnTheCallersThread) {
  for (bool allFail : {true, false}) {
    RecordingControls controls;
    SetSmallJob(controls);
    const auto expected = ExpectedResults(controls, 3);
    ScriptedPlatform platform(3);
    int starts = 0;
    // Every start fails, or only the second.
    platform.startWorker = [&] { return !(allFail || ++starts == 2); };
    SearchState state;
    const SolveOutcome outcome = SolveCommand(controls, platform, state);
    EXPECT_EQ(outcome.workersStarted, 3u);
    EXPECT_EQ(CountsOf(state.results), expected) << allFail;
  }
}

// Out of memory while the first worker already runs: the run waits for it
// (it holds references into the run), frees the lists and hands the window
// back unlocked.
TEST(RunSolve, RunningOutOfMemoryMidRunStillWaitsAndUnlocks) {
  RecordingControls controls;
  SetSmallJob(controls);
  ScriptedPlatform platform(3);
  int starts = 0;
  platform.startWorker = [&] {
    if (++starts == 2) throw std::bad_alloc();
    return true;
  };
  SearchState state;
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  EXPECT_TRUE(outcome.failed);
  EXPECT_EQ(platform.RunningWorkers(), 0u);
  EXPECT_TRUE(state.results.empty());
  EXPECT_TRUE(state.pairTable.empty());
  EXPECT_EQ(controls.GetText(IDC_C_LINE, 100), "");
  EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON));
  EXPECT_TRUE(controls.IsMenuBarItemEnabled(0));
  EXPECT_FALSE(SolveRunning(state));
}

TEST(RunSolve, NoGearInStockEndsBeforeTheSearchAndStillShowsTheDisplay) {
  RecordingControls controls;
  testing::SetStock(controls, {});
  testing::SetJob(controls, {});
  controls.SetText(IDC_C_LINE, "as it was");
  controls.SetSpinnerRange(IDC_RESULT_SELECTOR, 1, 30);
  controls.SetSpinnerPosition(IDC_RESULT_SELECTOR, 17);
  ScriptedPlatform platform(2);
  SearchState state;
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  EXPECT_EQ(outcome.candidates, 0u);
  EXPECT_EQ(outcome.workersStarted, 0u);
  EXPECT_TRUE(state.results.empty());
  EXPECT_EQ(controls.GetText(IDC_C_LINE, 100), "as it was");
  EXPECT_EQ(controls.GetSpinnerPosition(IDC_RESULT_SELECTOR), 17);
  // The display ran: the interface is back.
  EXPECT_TRUE(controls.IsVisible(IDC_RESULT_CAPTION));
  EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON));
  EXPECT_TRUE(controls.IsMenuCommandEnabled(IDM_PRINT));
}

TEST(RunSolve, NoCandidateOrNoJobEndsWithAnEmptyList) {
  struct Case {
    const char* what;
    testing::Job job;
  };
  testing::Job oneCharacterRate, lonePoint;
  oneCharacterRate.feedRate = "1";  // no allowance: no train strictly inside
  lonePoint.feedRate = ".";         // passes validation as 0; leaves no window
  for (const Case& c : {Case{"one-character feed rate", oneCharacterRate},
                        Case{"lone point", lonePoint}}) {
    RecordingControls controls;
    SetSmallJob(controls, c.job);
    ScriptedPlatform platform(2);
    SearchState state;
    const SolveOutcome outcome = SolveCommand(controls, platform, state);
    EXPECT_TRUE(outcome.ran) << c.what;
    EXPECT_EQ(outcome.candidates, 0u) << c.what;
    EXPECT_EQ(outcome.workersStarted, 0u) << c.what;
    EXPECT_TRUE(state.results.empty()) << c.what;
    EXPECT_EQ(controls.GetText(IDC_C_LINE, 100), "") << c.what;
    EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON)) << c.what;
  }
}

}  // namespace
}  // namespace corvanta
