// The index trains whose C constant gives a feed close to the wanted one.
#ifndef CORVANTA_SEARCH_CANDIDATES_H
#define CORVANTA_SEARCH_CANDIDATES_H

#include <optional>

#include "numeric/number_types.h"
#include "search/job_values.h"
#include "search/search_state.h"

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

// Appends to state.candidates every index train found around
// IndexRatio(job.cTarget) whose ratio lies strictly inside the window of
// IndexRatio(cMin) and IndexRatio(cMax), one per deviation (a deviation seen
// before in state.seenDeviations means the same ratio, so only the first
// train of each ratio is taken). Then gives each candidate its C from the
// job's index terms and, with job.wholeC, keeps only the whole ones,
// rounded. Uses state.pairTable as built.
void FindCandidates(SearchState& state, const JobValues& job);

}  // namespace corvanta

#endif
