#include "search/search_run.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "search/fast_search_worker.h"

namespace corvanta {

namespace {

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

  // Looks at the stop key and the window's messages, then waits a slice,
  // and again until every worker has ended. The first look comes before
  // any wait, so that whatever reached the window before the search (a
  // close, say) is seen while it runs, however short it is.
  void WaitForAll() {
    do {
      if (platform_.StopKeyHeld()) {
        state_.stopRequested.store(true, std::memory_order_relaxed);
        platform_.StopAlert();
      }
      // A program shutting down has nobody to show the results to.
      if (!platform_.PumpMessages()) state_.stopRequested.store(true, std::memory_order_relaxed);
    } while (!platform_.WaitForWorkers(kWaitSlice));
    platform_.CloseWorkers();
    open_ = false;
  }

 private:
  SolvePlatform& platform_;
  SearchState& state_;
  bool open_ = false;
};

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

WorkerContext MakeWorkerContext(SearchState& state, const JobValues& job, WorkerRange range,
                                unsigned logicalProcessors, ProgressCallback progress) {
  WorkerContext context;
  context.progress = std::move(progress);
  context.rangeBegin = range.rangeBegin;
  context.rangeEnd = range.rangeEnd;
  context.feedConstant = job.feedConstant;
  context.sinHelix = job.sinHelix;
  context.piOverPn = job.piOverPn;
  context.wholeC = job.wholeC;
  context.state = &state;
  context.logicalProcessors = logicalProcessors;
  return context;
}

void SearchCandidates(SolvePlatform& platform, SearchState& state, const JobValues& job,
                      const ProgressCallback& progress, SolveOutcome& outcome) {
  state.progressCounter.store(0);
  const unsigned processors = UsableProcessors(platform.LogicalProcessorCount());
  outcome.processors = processors;
  const std::vector<WorkerRange> ranges = SplitCandidates(state.candidates.size(), processors);

  // Sized once, before the first worker starts: the workers keep references
  // into it.
  std::vector<WorkerContext> contexts(ranges.size());
  std::atomic<bool> failed{false};
  WorkerGroup group(platform, state);
  // C constants the candidate search left to this run are refined from
  // now on, through the pauses before each worker; the workers wait for
  // them.
  for (unsigned share = state.refinement.Shares(); share > 0; --share)
    group.Start([&state] { state.refinement.RunShare(); });
  for (std::size_t w = 0; w < ranges.size(); ++w) {
    if (state.stopRequested.load(std::memory_order_relaxed)) break;
    WorkerContext& context = contexts[w];
    context = MakeWorkerContext(state, job, ranges[w], processors, progress);
    platform.Pause(kWorkerStartPause);
    group.Start([&context, &failed, &state] {
      try {
        if (state.method == SearchMethod::kLiteral) {
          SearchWorker(context);
        } else {
          FastSearchWorker(context);
        }
      } catch (...) {
        // Out of memory in the worker: its matches are lost, the others'
        // are not.
        failed.store(true);
      }
    });
    ++outcome.workersStarted;
  }
  group.WaitForAll();
  state.refinement.Clear();
  if (failed.load()) outcome.failed = true;
}

}  // namespace corvanta
