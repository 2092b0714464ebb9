// FindCandidates with the bracket steps taken from products, and each C
// refined with FastCFromIndexRatio.
#ifndef CORVANTA_SEARCH_FAST_CANDIDATES_H
#define CORVANTA_SEARCH_FAST_CANDIDATES_H

#include "search/job_values.h"
#include "search/search_state.h"
#include "search/solve_platform.h"

namespace corvanta {

// Builds state.pairIndex (which FastSearchWorker needs too), then fills
// state.candidates and state.seenDeviations exactly as FindCandidates does
// for the same job and pair table: the same trains in the same order, the
// same deviations, every C to its last digit, the same whole-C removals.
// The C constants are refined on the processors `platform` reports (its
// workers, waited for before it returns). false, with the candidates
// untouched, when the job's window has a ratio no double can stand for (not
// finite): FindCandidates then has to run.
//
// With refineWithWorkers, and without the whole-C choice, the C constants
// are left to SearchCandidates instead: state.refinement is prepared, and
// each candidate's C stays 0 until the workers' run has refined it.
bool FastFindCandidates(SearchState& state, const JobValues& job, SolvePlatform& platform,
                        bool refineWithWorkers = false);

}  // namespace corvanta

#endif
