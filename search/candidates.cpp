#include "search/candidates.h"

#include <cstddef>
#include <set>

#include "search/bracket_search.h"
#include "search/c_from_index_ratio.h"

namespace corvanta {

std::optional<Decimal100> WholeC(const Decimal100& c) {
  static const Decimal100 closeEnough("1e-96");
  const Decimal100 rounded = round(c);  // halves away from zero
  if (abs(c - rounded) < closeEnough) return rounded;
  return std::nullopt;
}

IndexRatioWindow MakeIndexRatioWindow(const JobValues& job) {
  const Decimal100 atMin = IndexRatio(job.cMin, job.index);
  const Decimal100 atMax = IndexRatio(job.cMax, job.index);
  const bool minIsLower = atMin < atMax;
  return {IndexRatio(job.cTarget, job.index), minIsLower ? atMin : atMax,
          minIsLower ? atMax : atMin};
}

CandidateList FindCandidates(const PairTable& table, const JobValues& job) {
  CandidateList found;
  std::vector<CCandidate>& candidates = found.candidates;
  std::set<Decimal100> seenDeviations;
  const IndexRatioWindow window = MakeIndexRatioWindow(job);
  const Decimal100 &target = window.target, &lower = window.lower, &upper = window.upper;

  for (std::size_t i = 0; i < table.size(); ++i) {
    BracketSearch(table, i, target, [&](std::size_t mid, const Decimal100& y) {
      if (!(y > lower && y < upper)) return;  // NaN anywhere: not inside
      const Decimal100 deviation = abs(y - target);
      // An ordered set cannot hold NaN; a NaN target has no window anyway.
      if (isnan(deviation)) return;
      if (!seenDeviations.insert(deviation).second) return;
      candidates.push_back({table[i].first, table[i].second, table[mid].first, table[mid].second,
                            deviation, Decimal100(0)});
    });
  }

  // From the back, so that dropping a candidate does not disturb the ones
  // still to be visited.
  for (std::size_t k = candidates.size(); k-- > 0;) {
    CCandidate& candidate = candidates[k];
    const Decimal100 c = CFromIndexRatio(IndexRatioOf(candidate), job.index);
    if (!job.wholeC) {
      candidate.C = c;
    } else if (const auto whole = WholeC(c)) {
      candidate.C = *whole;
    } else {
      candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(k));
    }
  }
  found.deviationsSeen = seenDeviations.size();
  return found;
}

}  // namespace corvanta
