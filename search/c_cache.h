// The C constants of one job's index trains, each refined once and shared by
// the searches of several stocks.
//
// A candidate's C depends on nothing but its train's two tooth products and
// the job's index terms (RefineC reads no more): the same train found in
// another stock, or another train of the same products, has the same C to
// the last digit. Searches of many stocks for one job (the gear advice)
// find mostly the same trains, and refining C is most of a search's work.
#ifndef CORVANTA_SEARCH_C_CACHE_H
#define CORVANTA_SEARCH_C_CACHE_H

#include <cstdint>
#include <shared_mutex>
#include <unordered_map>
#include <vector>

#include "search/c_candidate.h"
#include "search/fast_c_from_index_ratio.h"
#include "search/job_values.h"

namespace corvanta {

class CCache {
 public:
  explicit CCache(const IndexTerms& terms) : bisection_(terms) {}
  CCache(const CCache&) = delete;
  CCache& operator=(const CCache&) = delete;

  // Gives every candidate its C as RefineC would: the one kept for its
  // products, or refined here and kept. Safe from any number of threads at
  // once.
  void Refine(std::vector<CCandidate>& candidates);

  // The trains' C constants kept so far.
  std::size_t size() const;

 private:
  FastCBisection bisection_;
  mutable std::shared_mutex mutex_;
  // By the driving product above the driven product's 32 bits.
  std::unordered_map<std::uint64_t, Decimal100> cOf_;
};

}  // namespace corvanta

#endif
