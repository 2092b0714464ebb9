#include "search/c_refinement.h"

#include "search/decimal_bounds.h"

namespace corvanta {

void RefineC(CCandidate& candidate, const FastCBisection& bisection) {
  // The ratio of tooth products in doubles: the products are exact, and
  // the 100-digit ratio lies within kProductRatioError of their quotient,
  // relative to it.
  const double up = double(candidate.g2) * candidate.g3, down = double(candidate.g0) * candidate.g1;
  std::optional<BoundedDouble> yBound;
  if (down > 0) yBound = BoundedDouble{up / down, kProductRatioError * (up / down)};
  candidate.C = bisection(IndexRatioOf(candidate), yBound);
}

void CRefinement::Prepare(std::vector<CCandidate>& candidates, const IndexTerms& terms,
                          unsigned shares) {
  std::lock_guard<std::mutex> lock(mutex_);
  candidates_ = &candidates;
  bisection_.emplace(terms);
  next_.store(0, std::memory_order_relaxed);
  sharesLeft_ = shares;
}

unsigned CRefinement::Shares() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return sharesLeft_;
}

void CRefinement::RunShare() noexcept {
  // Nothing in here allocates or throws: Decimal100 keeps its digits in
  // place, and the list is not resized while shares run.
  std::vector<CCandidate>& candidates = *candidates_;
  for (std::size_t k = next_.fetch_add(1, std::memory_order_relaxed); k < candidates.size();
       k = next_.fetch_add(1, std::memory_order_relaxed))
    RefineC(candidates[k], *bisection_);
  // Notified under the lock: the waiter may go on to read every C (and,
  // once all threads are joined, free the list) as soon as it sees 0.
  std::lock_guard<std::mutex> lock(mutex_);
  --sharesLeft_;
  ended_.notify_all();
}

void CRefinement::Wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  ended_.wait(lock, [this] { return sharesLeft_ == 0; });
}

void CRefinement::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  candidates_ = nullptr;
  sharesLeft_ = 0;
}

}  // namespace corvanta
