#include "search/solve_driver.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <new>
#include <optional>

#include "resources/resource.h"
#include "results/result_display.h"
#include "search/candidates.h"
#include "search/job_values.h"
#include "search/order_results.h"
#include "search/pair_table.h"
#include "search/search_worker.h"

namespace corvanta {

namespace {

// The states a Solve is running on, and whether the window asked, meanwhile,
// for their lists to be freed. RunSolve runs on the window's thread; the
// lock only keeps tests that run searches side by side apart.
struct RunRegistry {
  std::mutex mutex;
  std::map<const SearchState*, bool> releaseRequested;
};

RunRegistry& Registry() {
  static RunRegistry registry;
  return registry;
}

// Marks `state` as running for the life of one RunSolve, and carries out a
// release of its lists that arrived meanwhile once the run is over.
class RunMark {
 public:
  explicit RunMark(SearchState& state) : state_(state) {
    std::lock_guard<std::mutex> lock(Registry().mutex);
    acquired_ = Registry().releaseRequested.emplace(&state_, false).second;
  }
  ~RunMark() {
    if (!acquired_) return;
    bool release = false;
    {
      std::lock_guard<std::mutex> lock(Registry().mutex);
      const auto it = Registry().releaseRequested.find(&state_);
      release = it->second;
      Registry().releaseRequested.erase(it);
    }
    if (release) ClearSearchLists(state_);
  }
  RunMark(const RunMark&) = delete;
  RunMark& operator=(const RunMark&) = delete;
  bool acquired() const { return acquired_; }

 private:
  SearchState& state_;
  bool acquired_ = false;
};

// The workers of one run. However the run leaves this scope, it does not
// leave before every started worker has ended: the workers hold references
// to the contexts and lists of the run.
class WorkerGroup {
 public:
  WorkerGroup(SolvePlatform& platform, SearchState& state) : platform_(platform), state_(state) {}
  ~WorkerGroup() {
    if (open_) {
      // Only reached when the run is unwinding: stop the workers rather than
      // wait for a whole search. Messages still flow, since a worker may be
      // waiting for the window's thread to take its progress text.
      state_.stopRequested.store(true, std::memory_order_relaxed);
      while (!platform_.WaitForWorkers(kWaitSlice)) platform_.PumpMessages();
      platform_.CloseWorkers();
    }
  }
  WorkerGroup(const WorkerGroup&) = delete;
  WorkerGroup& operator=(const WorkerGroup&) = delete;

  // Starts one worker; when the system has no thread for it, its range is
  // searched here instead, so that the results never depend on the
  // system's mood.
  bool Start(std::function<void()> body) {
    open_ = true;
    if (platform_.StartWorker(body)) return true;
    body();
    return false;
  }

  // Waits in slices; between them, the stop key and the window's messages.
  void WaitForAll() {
    while (!platform_.WaitForWorkers(kWaitSlice)) {
      if (platform_.StopKeyHeld()) {
        state_.stopRequested.store(true, std::memory_order_relaxed);
        platform_.StopAlert();
      }
      // A program shutting down has nobody to show the results to.
      if (!platform_.PumpMessages()) state_.stopRequested.store(true, std::memory_order_relaxed);
    }
    platform_.CloseWorkers();
    open_ = false;
  }

 private:
  SolvePlatform& platform_;
  SearchState& state_;
  bool open_ = false;
};

void EnableMenuBar(ControlAccess& window, bool enabled) {
  const int items = window.MenuBarItemCount();
  for (int position = 0; position < items; ++position) window.EnableMenuBarItem(position, enabled);
  window.RedrawMenuBar();
}

// Steps 10 to 12 of a run: the workers over the candidates, and the wait.
void SearchCandidates(ControlAccess& window, SolvePlatform& platform, SearchState& state,
                      const JobValues& job, SolveOutcome& outcome) {
  state.progressCounter.store(0);
  const unsigned processors = UsableProcessors(platform.LogicalProcessorCount());
  outcome.processors = processors;
  const std::vector<WorkerRange> ranges = SplitCandidates(state.candidates.size(), processors);

  // Sized once, before the first worker starts: the workers keep references
  // into it.
  std::vector<WorkerContext> contexts(ranges.size());
  std::atomic<bool> failed{false};
  WorkerGroup group(platform, state);
  for (std::size_t w = 0; w < ranges.size(); ++w) {
    if (state.stopRequested.load(std::memory_order_relaxed)) break;
    WorkerContext& context = contexts[w];
    context.window = &window;
    context.rangeBegin = ranges[w].rangeBegin;
    context.rangeEnd = ranges[w].rangeEnd;
    context.feedConstant = job.feedConstant;
    context.sinHelix = job.sinHelix;
    context.piOverPn = job.piOverPn;
    context.wholeC = job.wholeC;
    context.state = &state;
    context.logicalProcessors = processors;
    platform.Pause(kWorkerStartPause);
    group.Start([&context, &failed] {
      try {
        SearchWorker(context);
      } catch (...) {
        // Out of memory in the worker: its matches are lost, the others'
        // are not.
        failed.store(true);
      }
    });
    ++outcome.workersStarted;
  }
  group.WaitForAll();
  if (failed.load()) outcome.failed = true;
}

}  // namespace

std::vector<WorkerRange> SplitCandidates(std::size_t candidateCount, unsigned processors) {
  std::vector<WorkerRange> ranges;
  if (candidateCount == 0 || processors == 0) return ranges;
  // Positions are 32-bit in the workers' contexts; no stock comes near.
  const auto n = static_cast<std::uint32_t>(candidateCount);
  if (candidateCount > processors) {
    const std::size_t chunk = (candidateCount + processors - 1) / processors;
    std::size_t begin = 0;
    for (unsigned w = 0; w < processors; ++w) {
      const std::size_t end = std::min(begin + chunk, candidateCount);
      ranges.push_back({static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(end)});
      begin = end;
    }
  } else {
    ranges.push_back({0, n});
    ranges.resize(candidateCount, WorkerRange{n, n});
  }
  return ranges;
}

unsigned UsableProcessors(unsigned reported) { return reported == 0 ? 1 : reported; }

const std::vector<ControlId>& ControlLockSet() {
  static const std::vector<ControlId> locked = [] {
    std::vector<ControlId> ids = {IDC_SOLVE_BUTTON, IDC_EXIT_BUTTON, IDC_RESULT_SELECTOR,
                                  IDC_HOB_THREADS_SPINNER};
    for (ControlId id = IDC_INDEX_CONST; id <= IDC_FEED_RATE; ++id) ids.push_back(id);
    for (ControlId id : {IDC_INDEX_CONST_LABEL, IDC_HOB_THREADS_LABEL, IDC_HOB_THREADS,
                         IDC_INDEX_ERROR_LINE, IDC_PITCH_DIAMETER_LINE, IDC_OUTSIDE_DIAMETER_LINE,
                         IDC_FEED_ERROR_LINE, IDC_ACTUAL_FEED_TEXT, IDC_LEAD_LINE, IDC_WHOLE_C_ONLY,
                         IDC_FEED_RATE_LABEL, IDC_HELIX_ANGLE_LABEL, IDC_FEED_CONST_LABEL,
                         IDC_NUMBER_OF_TEETH_LABEL, IDC_NORMAL_DIAMETRAL_PITCH_LABEL})
      ids.push_back(id);
    for (ControlId id = IDC_HOB_HEAD; id <= IDC_INTERMEDIATE_STUDS_HEAD; ++id) ids.push_back(id);
    return ids;
  }();
  return locked;
}

const std::vector<ControlId>& UnlockedAfterSolve() {
  static const std::vector<ControlId> unlocked = [] {
    std::vector<ControlId> ids;
    for (ControlId id : ControlLockSet())
      if (id != IDC_SOLVE_BUTTON && id != IDC_RESULT_SELECTOR) ids.push_back(id);
    return ids;
  }();
  return unlocked;
}

SolveOutcome RunSolve(ControlAccess& window, SolvePlatform& platform, SearchState& state) {
  RunMark mark(state);
  if (!mark.acquired()) return {};
  SolveOutcome outcome;
  outcome.ran = true;

  EnableMenuBar(window, false);
  for (ControlId id : ControlLockSet()) window.Enable(id, false);
  try {
    ClearSearchLists(state);
    BuildPairTable(window, state);
    if (!state.stockGears.empty()) {
      window.SetText(IDC_C_LINE, "Finding Applicable C Constants...");
      // The table comes sorted by product; only its spare room goes.
      state.pairTable.shrink_to_fit();
      // A field the validation passed but the 100-digit parser refuses
      // leaves no job to search: the run ends as one without candidates.
      const std::optional<JobValues> job = ReadJobValues(window);
      if (job) FindCandidates(state, window, *job);
      outcome.candidates = state.candidates.size();
      if (job && !state.candidates.empty())
        SearchCandidates(window, platform, state, *job, outcome);
      std::vector<CCandidate>().swap(state.candidates);
      OrderResults(state.results);
    }
  } catch (const std::bad_alloc&) {
    // Every worker has ended by now (WorkerGroup): the lists can go, and
    // the window is handed back instead of staying locked.
    ClearSearchLists(state);
    outcome.failed = true;
  }
  if (!state.stockGears.empty() || outcome.failed) {
    window.SetSpinnerRange(IDC_RESULT_SELECTOR, 1, static_cast<int>(state.results.size()));
    window.SetSpinnerPosition(IDC_RESULT_SELECTOR, 1);
    window.SetText(IDC_C_LINE, "");
  }

  EnableMenuBar(window, true);
  for (ControlId id : UnlockedAfterSolve()) window.Enable(id, true);
  outcome.stopped = state.stopRequested.load(std::memory_order_relaxed);
  ShowResult(window, state.results, 0);
  return outcome;
}

SolveOutcome SolveCommand(ControlAccess& window, SolvePlatform& platform, SearchState& state) {
  if (SolveRunning(state)) return {};
  state.stopRequested.store(false, std::memory_order_relaxed);
  std::vector<CCandidate>().swap(state.candidates);
  std::vector<SolveResult>().swap(state.results);
  return RunSolve(window, platform, state);
}

bool SolveRunning(const SearchState& state) {
  std::lock_guard<std::mutex> lock(Registry().mutex);
  return Registry().releaseRequested.count(&state) != 0;
}

bool ShowSearchResult(ControlAccess& window, const SearchState& state, std::size_t i) {
  if (SolveRunning(state)) return false;
  ShowResult(window, state.results, i);
  return true;
}

SearchState& ProgramSearchState() {
  static SearchState state;
  return state;
}

void ReleaseSearchLists(SearchState& state) {
  {
    std::lock_guard<std::mutex> lock(Registry().mutex);
    const auto it = Registry().releaseRequested.find(&state);
    if (it != Registry().releaseRequested.end()) {
      it->second = true;
      state.stopRequested.store(true, std::memory_order_relaxed);
      return;
    }
  }
  ClearSearchLists(state);
}

bool ClearSearchResults(SearchState& state) {
  if (SolveRunning(state)) return false;
  std::vector<SolveResult>().swap(state.results);
  return true;
}

}  // namespace corvanta
