// Where a ratio falls among the trains over one driven pair, found from the
// tooth-count products instead of 100-digit divisions.
//
// Over a fixed driven pair (denominator entry i, product q) the train ratios
// Y(m) = product(m) / q rise with the position m, so for any value v the
// positions split into three runs: Y below v, Y equal to v, Y above v. That
// split (a cut) decides every comparison a BracketSearch makes against v,
// so the search's steps and its final bracket follow from the cut alone.
// The cut itself needs one multiplication in double precision and two
// look-ups; only a product whose ratio lies within the rounding of v costs
// a 100-digit division.
#ifndef CORVANTA_SEARCH_PAIR_INDEX_H
#define CORVANTA_SEARCH_PAIR_INDEX_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "numeric/number_types.h"
#include "search/bracket_search.h"
#include "search/decimal_bounds.h"
#include "search/pair_table.h"

namespace corvanta {

// Positions [0, below) have a ratio below the value, [below, below + equal)
// the value itself, the rest a ratio above it.
struct RatioCut {
  std::size_t below = 0;
  std::size_t equal = 0;
};

// A final bracket in half the room of Bracket; positions are below 2^32.
struct CompactBracket {
  std::uint32_t lo = 0;
  std::uint32_t hi = 0;
};

struct PairIndex {
  // [v]: the first position whose product is at least v, for v from 0 to
  // the largest product + 1 (where it is the table's size).
  std::vector<std::uint32_t> firstAtLeast;
  // [k]: the final bracket of BracketSearch when exactly the first k ratios
  // lie below its target and none equals it, for k from 0 to the size.
  std::vector<CompactBracket> bracketAtCut;
  // [i]: the product of entry i as a double (exact), for scans over the
  // denominators.
  std::vector<double> products;
};

// The index of a sorted pair table; empty for an empty table.
PairIndex MakePairIndex(const PairTable& table);

// The cut of the ratios over entry `denominator` at `value`, whose double
// `bounded` is proven (BoundDecimal). `table` and `index` belong together.
RatioCut CutAt(const PairTable& table, const PairIndex& index, std::size_t denominator,
               const Decimal100& value, const BoundedDouble& bounded);

// BracketSearch over a table of `size` entries whose comparisons are given
// by `cut`: the same steps (NarrowBracket), the same final bracket.
// visit(mid) is called where BracketSearch's step test is, after every step.
template <typename Visit>
Bracket NarrowAtCut(std::size_t size, RatioCut cut, Visit&& visit) {
  return NarrowBracket(
      size,
      [&cut](std::size_t mid) {
        if (mid >= cut.below + cut.equal) return RatioSide::kAbove;
        if (mid < cut.below) return RatioSide::kBelow;
        return RatioSide::kNeither;
      },
      visit);
}

}  // namespace corvanta

#endif
