// Where the workers of one search hand over what they kept.
#ifndef CORVANTA_SEARCH_RESULT_SINK_H
#define CORVANTA_SEARCH_RESULT_SINK_H

#include <mutex>
#include <utility>
#include <vector>

#include "search/solve_result.h"

namespace corvanta {

class ResultSink {
 public:
  // Safe from any number of threads at once.
  void Append(const std::vector<SolveResult>& kept) {
    if (kept.empty()) return;
    std::lock_guard<std::mutex> lock(mutex_);
    results_.insert(results_.end(), kept.begin(), kept.end());
  }
  // Everything handed over, in the order it arrived; only once every
  // worker has ended.
  std::vector<SolveResult> Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::move(results_);
  }

 private:
  std::mutex mutex_;
  std::vector<SolveResult> results_;
};

}  // namespace corvanta

#endif
