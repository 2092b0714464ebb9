#include "search/bracket_search.h"

namespace corvanta {

Bracket BracketSearch(const PairTable& table, std::size_t denominator, const Decimal100& target) {
  bracket_detail::RatioAt ratioAt(table, denominator);
  return NarrowBracket(
      table.size(), [&](std::size_t mid) { return bracket_detail::SideOf(ratioAt(mid), target); },
      [](std::size_t) {});
}

}  // namespace corvanta
