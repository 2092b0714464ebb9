#include "search/c_cache.h"

#include <mutex>

#include "search/c_refinement.h"
#include "search/train_ratio.h"

namespace corvanta {

namespace {

// Products of two counts of at most 169 teeth fit 32 bits with room.
std::uint64_t ProductsKey(const CCandidate& candidate) {
  return PairProduct(candidate.g2, candidate.g3) << 32 | PairProduct(candidate.g0, candidate.g1);
}

}  // namespace

void CCache::Refine(std::vector<CCandidate>& candidates) {
  for (CCandidate& candidate : candidates) {
    const std::uint64_t key = ProductsKey(candidate);
    {
      std::shared_lock<std::shared_mutex> lock(mutex_);
      if (const auto kept = cOf_.find(key); kept != cOf_.end()) {
        candidate.C = kept->second;
        continue;
      }
    }
    // Refined outside the lock; two threads may refine the same train at
    // once, and both get the same digits.
    RefineC(candidate, bisection_);
    std::unique_lock<std::shared_mutex> lock(mutex_);
    cOf_.emplace(key, candidate.C);
  }
}

std::size_t CCache::size() const {
  std::shared_lock<std::shared_mutex> lock(mutex_);
  return cOf_.size();
}

}  // namespace corvanta
