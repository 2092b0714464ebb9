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
#include <limits>

#include "numeric/number_types.h"
#include "search/pair_table.h"

namespace corvanta {

// Positions lo to hi, both included, of the pair table.
struct Bracket {
  std::size_t lo = 0;
  std::size_t hi = 0;
};

// Where the ratio at a position lies against the target. kNeither: equal to
// it, or not comparable with it (a NaN ratio or target).
enum class RatioSide { kBelow, kNeither, kAbove };

namespace bracket_detail {

// The middle is formed in double precision and truncated, as the positions
// are small enough for a double to hold their sum exactly.
inline std::size_t Middle(std::size_t lo, std::size_t hi) {
  return static_cast<std::size_t>(static_cast<double>(lo + hi) * 0.5);
}

}  // namespace bracket_detail

// The halving itself, for a table of `size` entries (at least one), the one
// both searches take: BracketSearch asks the 100-digit ratio at each middle,
// NarrowAtCut (pair_index.h) reads the side off a precomputed cut.
// sideAt(mid) tells where the ratio at position `mid` lies against the
// target; visit(mid) is called after every step, including the last one
// (which may leave mid where it was). Returns the final bracket.
template <typename SideAt, typename Visit>
Bracket NarrowBracket(std::size_t size, SideAt&& sideAt, Visit&& visit) {
  using bracket_detail::Middle;
  const std::size_t last = size - 1;
  Bracket bracket{0, last};
  std::size_t mid = Middle(0, last);
  for (;;) {
    const std::size_t span = bracket.hi - bracket.lo;
    // Neither side (an equal ratio, or a NaN): nothing moves, and the
    // search ends below with the bracket as it is.
    const RatioSide side = sideAt(mid);
    if (side == RatioSide::kAbove) {
      bracket.hi = (mid % 2 == 1 && mid < last && mid > 2) ? mid + 1 : mid;
      mid = Middle(bracket.lo, bracket.hi);
    } else if (side == RatioSide::kBelow) {
      bracket.lo = (mid % 2 == 1 && mid > 0) ? mid - 1 : mid;
      mid = Middle(bracket.lo, bracket.hi);
    }
    const bool shrunk = bracket.hi - bracket.lo < span;
    visit(mid);
    if (!shrunk) return bracket;
  }
}

namespace bracket_detail {

// The 100-digit ratio at one position over one driven pair, divided once per
// position: a step asks it, and the visit after the step that moved there
// hands the same value on. Each step of BracketSearch so costs one division.
class RatioAt {
 public:
  RatioAt(const PairTable& table, std::size_t denominator)
      : table_(table), denominator_(denominator) {}

  const Decimal100& operator()(std::size_t mid) {
    if (mid != at_) {
      ratio_ = TrainRatio(table_, mid, denominator_);
      at_ = mid;
    }
    return ratio_;
  }

 private:
  const PairTable& table_;
  std::size_t denominator_;
  std::size_t at_ = std::numeric_limits<std::size_t>::max();  // none yet
  Decimal100 ratio_;
};

// The side of `ratio` against `target`, by the two comparisons the search
// has always made.
inline RatioSide SideOf(const Decimal100& ratio, const Decimal100& target) {
  if (ratio > target) return RatioSide::kAbove;
  if (ratio < target) return RatioSide::kBelow;
  return RatioSide::kNeither;
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
  bracket_detail::RatioAt ratioAt(table, denominator);
  return NarrowBracket(
      table.size(), [&](std::size_t mid) { return bracket_detail::SideOf(ratioAt(mid), target); },
      [&](std::size_t mid) { stepTest(mid, ratioAt(mid)); });
}

}  // namespace corvanta

#endif
