#include "search/bracket_search.h"

namespace corvanta {

Bracket BracketSearch(const PairTable& table, std::size_t denominator, const Decimal100& target) {
  bracket_detail::NoStepTest none;
  return bracket_detail::Narrow<false>(table, denominator, target, none);
}

}  // namespace corvanta
