#include "search/fast_candidates.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include "search/candidates.h"
#include "search/decimal_bounds.h"
#include "search/fast_c_from_index_ratio.h"
#include "search/pair_index.h"
#include "search/search_run.h"

namespace corvanta {

namespace {

// The most threads that refine C constants at once.
constexpr unsigned kMaxRefineThreads = 8;

// The C of each candidate, split over the processors the platform reports:
// each is a function of its own train alone, so the split changes nothing
// but the time. This thread takes the first share and then waits for the
// others, keeping the window's messages flowing; a share the platform has
// no thread for is refined here as well.
std::vector<Decimal100> RefinedCs(const std::vector<CCandidate>& candidates,
                                  const IndexTerms& terms, SolvePlatform& platform) {
  std::vector<Decimal100> cs(candidates.size());
  // Nothing in here allocates or throws: Decimal100 keeps its digits in
  // place, and cs is sized before any share starts.
  const auto refine = [&candidates, &terms, &cs](std::size_t from, std::size_t to) {
    for (std::size_t k = from; k < to; ++k) {
      const CCandidate& candidate = candidates[k];
      // The ratio as FindCandidates forms it.
      const Decimal100 y = (Decimal100(candidate.g2) * Decimal100(candidate.g3)) /
                           (Decimal100(candidate.g0) * Decimal100(candidate.g1));
      cs[k] = FastCFromIndexRatio(y, terms);
    }
  };
  const std::size_t parts =
      std::clamp(UsableProcessors(platform.LogicalProcessorCount()), 1u, kMaxRefineThreads);
  const std::size_t chunk = (candidates.size() + parts - 1) / parts;
  for (std::size_t from = chunk; from < candidates.size(); from += chunk) {
    const std::size_t to = std::min(from + chunk, candidates.size());
    // A share must not be left running when this returns, so a start that
    // fails, even by throwing, leaves it to this thread.
    bool started = false;
    try {
      started = platform.StartWorker([&refine, from, to] { refine(from, to); });
    } catch (...) {
    }
    if (!started) refine(from, to);
  }
  refine(0, std::min(chunk, candidates.size()));
  while (!platform.WaitForWorkers(kWaitSlice)) platform.PumpMessages();
  platform.CloseWorkers();
  return cs;
}

// Each candidate's C, then the whole-C choice, with the outcome of
// FindCandidates' walk from the back of the list.
void RefineCandidates(std::vector<CCandidate>& candidates, const JobValues& job,
                      SolvePlatform& platform) {
  const std::vector<Decimal100> cs = RefinedCs(candidates, job.index, platform);
  std::vector<CCandidate> kept;
  kept.reserve(candidates.size());
  for (std::size_t k = 0; k < candidates.size(); ++k) {
    CCandidate& candidate = candidates[k];
    if (!job.wholeC) {
      candidate.C = cs[k];
    } else if (const auto whole = WholeC(cs[k])) {
      candidate.C = *whole;
    } else {
      continue;
    }
    kept.push_back(std::move(candidate));
  }
  candidates.swap(kept);
}

}  // namespace

bool FastFindCandidates(SearchState& state, const JobValues& job, SolvePlatform& platform) {
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
  RefineCandidates(state.candidates, job, platform);
  return true;
}

}  // namespace corvanta
