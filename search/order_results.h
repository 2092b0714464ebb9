// The final order of the search's matches.
#ifndef CORVANTA_SEARCH_ORDER_RESULTS_H
#define CORVANTA_SEARCH_ORDER_RESULTS_H

#include <array>
#include <cstdint>
#include <vector>

#include "search/solve_result.h"

namespace corvanta {

// The eight tooth counts in record order: feed denominator, feed numerator,
// index denominator, index numerator, each pair first then second.
std::array<std::uint16_t, 8> ToothCounts(const SolveResult& result);

// How many of the eight tooth counts repeat one already counted: 8 minus the
// number of different counts. A set-up that needs the same gear twice needs
// two of them in the shop's stock, so fewer repeats is better.
int RepeatCount(const SolveResult& result);

// Removes duplicates (equal gear sets: the same two gears in each of the
// four pairs, whichever comes first), then orders by feed error, fewest
// repeated tooth counts, C, and the tooth counts from the last to the first;
// keeps the first kMaxResults and releases the spare storage. After the
// de-duplication no two results tie on all of these, so the order does not
// depend on how the workers' lists arrived. A NaN feed error or C (the
// workers never keep one) orders after every number.
void OrderResults(std::vector<SolveResult>& results);

// Ascending, with NaN after every number, so that a sort always has a
// strict weak order to work with. -1, 0 or +1.
int CompareNumbers(const Decimal100& a, const Decimal100& b);

}  // namespace corvanta

#endif
