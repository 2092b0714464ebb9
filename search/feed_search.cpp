#include "search/feed_search.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "search/fast_search_worker.h"
#include "search/worker_group.h"

namespace corvanta {

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

WorkerContext MakeWorkerContext(const FeedSearchShared& shared, const JobValues& job,
                                WorkerRange range, unsigned logicalProcessors,
                                ProgressCallback progress) {
  WorkerContext context;
  context.progress = std::move(progress);
  context.rangeBegin = range.rangeBegin;
  context.rangeEnd = range.rangeEnd;
  context.feedConstant = job.feedConstant;
  context.sinHelix = job.sinHelix;
  context.piOverPn = job.piOverPn;
  context.wholeC = job.wholeC;
  context.tables = &shared.tables;
  context.candidates = &shared.candidates;
  context.control = &shared.control;
  context.results = &shared.results;
  context.logicalProcessors = logicalProcessors;
  return context;
}

void RunFeedSearch(SolvePlatform& platform, SearchMethod method, const JobValues& job,
                   const StockTables& tables, CandidateList& found, RunControl& control,
                   ResultSink& results, const ProgressCallback& progress, SolveOutcome& outcome) {
  control.progressCounter.store(0);
  const unsigned processors = UsableProcessors(platform.LogicalProcessorCount());
  outcome.processors = processors;
  const std::vector<WorkerRange> ranges = SplitCandidates(found.candidates.size(), processors);
  const FeedSearchShared shared{tables, found.candidates, control, results};

  // Sized once, before the first worker starts: the workers keep references
  // into it. The refinement, like the contexts, outlives the group, which
  // does not end before every thread it started has.
  std::vector<WorkerContext> contexts(ranges.size());
  CRefinement refinement;
  std::atomic<bool> failed{false};
  WorkerGroup group(platform, control);
  // C constants the candidate search left to this run are refined from
  // now on, through the pauses before each worker; the workers wait for
  // them.
  if (found.refineLater) {
    refinement.Prepare(found.candidates, found.refineLater->terms, found.refineLater->shares);
    for (unsigned share = found.refineLater->shares; share > 0; --share)
      group.Start([&refinement] { refinement.RunShare(); });
  }
  for (std::size_t w = 0; w < ranges.size(); ++w) {
    if (control.StopRequested()) break;
    WorkerContext& context = contexts[w];
    context = MakeWorkerContext(shared, job, ranges[w], processors, progress);
    platform.Pause(kWorkerStartPause);
    group.Start([&context, &failed, &refinement, method] {
      try {
        refinement.Wait();
        if (method == SearchMethod::kLiteral) {
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
  refinement.Clear();
  found.refineLater.reset();
  if (failed.load()) outcome.failed = true;
}

}  // namespace corvanta
