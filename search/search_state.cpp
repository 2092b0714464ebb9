#include "search/search_state.h"

namespace corvanta {

SearchState& ProgramSearchState() {
  static SearchState state;
  return state;
}

bool SolveRunning(const SearchState& state) { return state.running; }

void FreeSearchLists(SearchState& state) {
  // Swapping with empties releases the storage, which clear() may keep.
  StockGears().swap(state.stockGears);
  PairTable().swap(state.pairTable);
  state.pairIndex = PairIndex();
  std::set<Decimal100>().swap(state.seenDeviations);
  state.refinement.Clear();
  std::vector<CCandidate>().swap(state.candidates);
  std::vector<SolveResult>().swap(state.results);
}

void ReleaseSearchLists(SearchState& state) {
  if (state.running) {
    state.releaseRequested = true;
    state.stopRequested.store(true, std::memory_order_relaxed);
    return;
  }
  FreeSearchLists(state);
}

bool DropSearchResults(SearchState& state) {
  if (state.running) return false;
  std::vector<SolveResult>().swap(state.results);
  return true;
}

SearchRunMark::SearchRunMark(SearchState& state) : state_(state) {
  if (state_.running) return;
  state_.running = true;
  state_.releaseRequested = false;
  acquired_ = true;
}

SearchRunMark::~SearchRunMark() {
  if (!acquired_) return;
  state_.running = false;
  if (state_.releaseRequested) {
    state_.releaseRequested = false;
    FreeSearchLists(state_);
  }
}

}  // namespace corvanta
