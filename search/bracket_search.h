// Narrowing search over the pair table for the trains of a wanted ratio.
//
// For a fixed driven pair (the denominator entry) the train ratio grows with
// the position of the driving pair, so the positions around a target ratio
// can be bracketed by halving. The halving is deliberately not a textbook
// bisection: an odd middle position widens the bracket by one, and the search
// stops as soon as a step fails to shrink it. Which trains the candidate
// finder sees, and which the worker scans, follow from exactly these steps.
#ifndef CORVANTA_SEARCH_BRACKET_SEARCH_H
#define CORVANTA_SEARCH_BRACKET_SEARCH_H

#include <cstddef>

#include "numeric/number_types.h"
#include "search/pair_table.h"

namespace corvanta {

// Positions lo to hi, both included, of the pair table.
struct Bracket {
  std::size_t lo = 0;
  std::size_t hi = 0;
};

namespace bracket_detail {

// The middle is formed in double precision and truncated, as the positions
// are small enough for a double to hold their sum exactly.
inline std::size_t Middle(std::size_t lo, std::size_t hi) {
  return static_cast<std::size_t>(static_cast<double>(lo + hi) * 0.5);
}

struct NoStepTest {
  void operator()(std::size_t, const Decimal100&) const {}
};

// Both forms share this loop. With kTestEachStep the ratio at each new
// middle is computed right after the narrowing, handed to `stepTest`, and
// reused by the next step; without it, it is computed only when the search
// goes on. Either way each step costs one division.
template <bool kTestEachStep, typename StepTest>
Bracket Narrow(const PairTable& table, std::size_t denominator, const Decimal100& target,
               StepTest& stepTest) {
  const std::size_t last = table.size() - 1;
  Bracket bracket{0, last};
  std::size_t mid = Middle(0, last);
  Decimal100 y = TrainRatio(table, mid, denominator);
  for (;;) {
    const std::size_t span = bracket.hi - bracket.lo;
    // A NaN ratio or target fails both comparisons: nothing moves, and the
    // search ends below with the bracket as it is.
    if (y > target) {
      bracket.hi = (mid % 2 == 1 && mid < last && mid > 2) ? mid + 1 : mid;
      mid = Middle(bracket.lo, bracket.hi);
    } else if (y < target) {
      bracket.lo = (mid % 2 == 1 && mid > 0) ? mid - 1 : mid;
      mid = Middle(bracket.lo, bracket.hi);
    }
    const bool shrunk = bracket.hi - bracket.lo < span;
    if constexpr (kTestEachStep) {
      y = TrainRatio(table, mid, denominator);
      stepTest(mid, static_cast<const Decimal100&>(y));
    } else if (shrunk) {
      y = TrainRatio(table, mid, denominator);
    }
    if (!shrunk) return bracket;
  }
}

}  // namespace bracket_detail

// The final bracket around `target` for the driven pair at `denominator`.
// The table must not be empty and `denominator` must be one of its positions.
Bracket BracketSearch(const PairTable& table, std::size_t denominator, const Decimal100& target);

// The same search, calling stepTest(mid, ratio at mid) after every step,
// including the last one (which may leave mid where it was).
template <typename StepTest>
Bracket BracketSearch(const PairTable& table, std::size_t denominator, const Decimal100& target,
                      StepTest&& stepTest) {
  return bracket_detail::Narrow<true>(table, denominator, target, stepTest);
}

}  // namespace corvanta

#endif
