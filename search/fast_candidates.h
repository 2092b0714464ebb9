// FindCandidates with the bracket steps taken from products, and each C
// refined with FastCFromIndexRatio.
#ifndef CORVANTA_SEARCH_FAST_CANDIDATES_H
#define CORVANTA_SEARCH_FAST_CANDIDATES_H

#include <optional>

#include "search/c_cache.h"
#include "search/candidates.h"
#include "search/job_values.h"
#include "search/solve_platform.h"
#include "search/stock_tables.h"

namespace corvanta {

// Exactly what FindCandidates finds for the same job and pair table: the
// same trains in the same order, the same deviations, every C to its last
// digit, the same whole-C removals. The C constants are refined on the
// processors `platform` reports (its workers, waited for before it
// returns). nullopt when the job's window has a ratio no double can stand
// for (not finite): FindCandidates then has to run.
//
// With refineWithWorkers, and without the whole-C choice, the C constants
// are left to the feed search instead: the list's refineLater says how,
// and each candidate's C stays 0 until that run has refined it.
//
// With `cCache` (made for the job's index terms), the C constants come from
// it on this thread, refined only where it has none yet, and
// refineWithWorkers is not looked at.
std::optional<CandidateList> FastFindCandidates(const StockTables& tables, const JobValues& job,
                                                SolvePlatform& platform,
                                                bool refineWithWorkers = false,
                                                CCache* cCache = nullptr);

}  // namespace corvanta

#endif
