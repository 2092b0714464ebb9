#include "search/fast_candidates.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include "search/c_refinement.h"
#include "search/candidates.h"
#include "search/decimal_bounds.h"
#include "search/pair_index.h"
#include "search/search_run.h"

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
void RefineNow(SearchState& state, const IndexTerms& terms, SolvePlatform& platform) {
  CRefinement& refinement = state.refinement;
  const unsigned shares = RefineShares(platform);
  refinement.Prepare(state.candidates, terms, shares);
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

bool FastFindCandidates(SearchState& state, const JobValues& job, SolvePlatform& platform,
                        bool refineWithWorkers) {
  const PairTable& table = state.pairTable;
  state.pairIndex = MakePairIndex(table);
  const PairIndex& index = state.pairIndex;
  // The window as FindCandidates forms it.
  const IndexRatioWindow window = MakeIndexRatioWindow(job);
  const Decimal100 &target = window.target, &lower = window.lower, &upper = window.upper;
  const auto targetBound = BoundDecimal(target);
  const auto lowerBound = BoundDecimal(lower), upperBound = BoundDecimal(upper);
  if (!targetBound || !lowerBound || !upperBound) return false;

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
      if (!state.seenDeviations.insert(deviation).second) return;
      state.candidates.push_back({table[i].first, table[i].second, table[mid].first,
                                  table[mid].second, deviation, Decimal100(0)});
    });
  }
  if (state.candidates.empty()) return true;
  if (refineWithWorkers && !job.wholeC) {
    state.refinement.Prepare(state.candidates, job.index, RefineShares(platform));
    return true;
  }
  RefineNow(state, job.index, platform);
  if (job.wholeC) KeepWholeCs(state.candidates);
  return true;
}

}  // namespace corvanta
