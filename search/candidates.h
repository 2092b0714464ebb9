// The index trains whose C constant gives a feed close to the wanted one.
#ifndef CORVANTA_SEARCH_CANDIDATES_H
#define CORVANTA_SEARCH_CANDIDATES_H

#include <cstddef>
#include <optional>
#include <vector>

#include "numeric/number_types.h"
#include "search/c_candidate.h"
#include "search/c_refinement.h"
#include "search/job_values.h"
#include "search/pair_table.h"

namespace corvanta {

// `c` rounded to the nearest integer (halves away from zero) when it lies
// within 1e-96 of it; nullopt otherwise, NaN included.
std::optional<Decimal100> WholeC(const Decimal100& c);

// The index ratios the candidate search works around: the ratio at the
// job's target C, and the open window between the ratios at cMin and cMax.
// IndexRatio falls with C for one sign and grows for the other, so either
// end of the C window may give the smaller ratio.
struct IndexRatioWindow {
  Decimal100 target, lower, upper;
};
IndexRatioWindow MakeIndexRatioWindow(const JobValues& job);

// What the candidate search found: the trains, in the order found, each
// with its C (or, with refineLater, C = 0 until the feed search's run has
// refined it), and how many different deviations it met.
struct CandidateList {
  std::vector<CCandidate> candidates;
  std::size_t deviationsSeen = 0;
  std::optional<PendingRefinement> refineLater;
};

// Every index train found around IndexRatio(job.cTarget) whose ratio lies
// strictly inside the window of IndexRatio(cMin) and IndexRatio(cMax), one
// per deviation (a deviation seen before means the same ratio, so only the
// first train of each ratio is taken). Each candidate gets its C from the
// job's index terms; with job.wholeC only the whole ones are kept, rounded.
CandidateList FindCandidates(const PairTable& pairs, const JobValues& job);

}  // namespace corvanta

#endif
