// One match of the search: an index train, a feed train and their numbers.
#ifndef CORVANTA_SEARCH_SOLVE_RESULT_H
#define CORVANTA_SEARCH_SOLVE_RESULT_H

#include <cstdint>

#include "numeric/number_types.h"

namespace corvanta {

struct ToothPair {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
};

// The display and the set-up sheet use only the eight tooth counts and
// recompute everything else from the current fields; feedError and C order
// the results.
struct SolveResult {
  ToothPair feedDenominator;   // driven pair of the feed train
  ToothPair feedNumerator;     // driving pair of the feed train
  ToothPair indexDenominator;  // g0, g1 of the candidate
  ToothPair indexNumerator;    // g2, g3 of the candidate
  Decimal100 feedError;        // |feed train ratio - FeedRatio(C)|
  Decimal100 C;
};

}  // namespace corvanta

#endif
