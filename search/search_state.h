// Everything one Solve builds and its workers share.
//
// The lists are gathered in one object rather than kept as loose globals so
// that tests can run searches side by side, each on its own state. The
// program keeps exactly one SearchState with static storage duration (owned
// by the Solve driver): it lives until the process ends, so the lists that
// running workers read, and the results they append, stay valid even if the
// window is destroyed while the workers still run.
//
// Sharing rules while workers run: stockGears, pairTable, seenDeviations and
// candidates are not changed (read without locks); results is only appended
// to, under resultsMutex; stopRequested and progressCounter are atomics.
#ifndef CORVANTA_SEARCH_SEARCH_STATE_H
#define CORVANTA_SEARCH_SEARCH_STATE_H

#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>
#include <vector>

#include "numeric/number_types.h"
#include "search/c_candidate.h"
#include "search/pair_table.h"
#include "search/solve_result.h"

namespace corvanta {

struct SearchState {
  StockGears stockGears;
  PairTable pairTable;
  std::set<Decimal100> seenDeviations;
  std::vector<CCandidate> candidates;
  std::vector<SolveResult> results;
  std::mutex resultsMutex;
  std::atomic<bool> stopRequested{false};
  std::atomic<std::uint32_t> progressCounter{0};
};

// Empties the five lists and releases their storage; the flag, the counter
// and the mutex are left alone (the driver sets them itself).
void ClearSearchLists(SearchState& state);

}  // namespace corvanta

#endif
