#include "search/fast_candidates.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <set>
#include <vector>

#include "search/c_refinement.h"
#include "search/candidates.h"
#include "search/decimal_bounds.h"
#include "search/feed_search.h"
#include "search/pair_index.h"

namespace corvanta {

namespace {

// The most threads that refine C constants at once.
constexpr unsigned kMaxRefineThreads = 8;

unsigned RefineShares(SolvePlatform& platform) {
  return std::clamp(UsableProcessors(platform.LogicalProcessorCount()), 1u, kMaxRefineThreads);
}

// Each candidate's C, on the processors the platform reports. This thread
// takes a share too and then waits for the others, keeping the window's
// messages flowing; a share the platform has no thread for runs here.
void RefineNow(std::vector<CCandidate>& candidates, const IndexTerms& terms,
               SolvePlatform& platform) {
  CRefinement refinement;
  const unsigned shares = RefineShares(platform);
  refinement.Prepare(candidates, terms, shares);
  for (unsigned s = 1; s < shares; ++s) {
    // A share must not be left running when this returns, so a start that
    // fails, even by throwing, leaves it to this thread.
    bool started = false;
    try {
      started = platform.StartWorker([&refinement] { refinement.RunShare(); });
    } catch (...) {
    }
    if (!started) refinement.RunShare();
  }
  refinement.RunShare();
  while (!platform.WaitForWorkers(kWaitSlice)) platform.PumpMessages();
  platform.CloseWorkers();
  refinement.Clear();
}

// The whole-C choice, with the outcome of FindCandidates' walk from the
// back of the list.
void KeepWholeCs(std::vector<CCandidate>& candidates) {
  std::vector<CCandidate> kept;
  kept.reserve(candidates.size());
  for (CCandidate& candidate : candidates) {
    if (const auto whole = WholeC(candidate.C)) {
      candidate.C = *whole;
      kept.push_back(std::move(candidate));
    }
  }
  candidates.swap(kept);
}

}  // namespace

std::optional<CandidateList> FastFindCandidates(const StockTables& tables, const JobValues& job,
                                                SolvePlatform& platform, bool refineWithWorkers,
                                                CCache* cCache) {
  const PairTable& table = tables.pairs;
  const PairIndex& index = tables.index;
  // The window as FindCandidates forms it.
  const IndexRatioWindow window = MakeIndexRatioWindow(job);
  const Decimal100 &target = window.target, &lower = window.lower, &upper = window.upper;
  const auto targetBound = BoundDecimal(target);
  const auto lowerBound = BoundDecimal(lower), upperBound = BoundDecimal(upper);
  if (!targetBound || !lowerBound || !upperBound) return std::nullopt;

  CandidateList found;
  std::vector<CCandidate>& candidates = found.candidates;
  std::set<Decimal100> seenDeviations;
  for (std::size_t i = 0; i < table.size(); ++i) {
    // The positions strictly inside the window; most denominators have none.
    const RatioCut atLower = CutAt(table, index, i, lower, *lowerBound);
    const RatioCut atUpper = CutAt(table, index, i, upper, *upperBound);
    const std::size_t insideBegin = atLower.below + atLower.equal, insideEnd = atUpper.below;
    if (insideBegin >= insideEnd) continue;
    const RatioCut atTarget = CutAt(table, index, i, target, *targetBound);
    NarrowAtCut(table.size(), atTarget, [&](std::size_t mid) {
      if (mid < insideBegin || mid >= insideEnd) return;
      // Taken or not by the 100-digit deviation itself: equal deviations
      // (the same ratio, or one mirrored about the target) are ties no
      // double can split.
      const Decimal100 deviation = abs(TrainRatio(table, mid, i) - target);
      if (!seenDeviations.insert(deviation).second) return;
      candidates.push_back({table[i].first, table[i].second, table[mid].first, table[mid].second,
                            deviation, Decimal100(0)});
    });
  }
  found.deviationsSeen = seenDeviations.size();
  if (candidates.empty()) return found;
  if (cCache) {
    cCache->Refine(candidates);
  } else if (refineWithWorkers && !job.wholeC) {
    found.refineLater = PendingRefinement{job.index, RefineShares(platform)};
    return found;
  } else {
    RefineNow(candidates, job.index, platform);
  }
  if (job.wholeC) KeepWholeCs(candidates);
  return found;
}

}  // namespace corvanta
