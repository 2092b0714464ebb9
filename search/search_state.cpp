#include "search/search_state.h"

namespace corvanta {

void ClearSearchLists(SearchState& state) {
  // Swapping with empties releases the storage, which clear() may keep.
  StockGears().swap(state.stockGears);
  PairTable().swap(state.pairTable);
  std::set<Decimal100>().swap(state.seenDeviations);
  std::vector<CCandidate>().swap(state.candidates);
  std::vector<SolveResult>().swap(state.results);
}

}  // namespace corvanta
