// Each candidate's C from its index train, refined by several threads at
// once, and the gate where the search workers wait for the last of them.
#ifndef CORVANTA_SEARCH_C_REFINEMENT_H
#define CORVANTA_SEARCH_C_REFINEMENT_H

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <vector>

#include "search/c_candidate.h"
#include "search/fast_c_from_index_ratio.h"
#include "search/job_values.h"

namespace corvanta {

// Gives `candidate` its C from its train and the job's index terms, as
// FindCandidates does before the whole-C choice, to the last digit.
void RefineC(CCandidate& candidate, const FastCBisection& bisection);

// The C constants a candidate search left to the feed search's run: the
// index terms they are refined from, and how many threads share the work.
struct PendingRefinement {
  IndexTerms terms;
  unsigned shares = 1;
};

// The refinement of a whole candidate list, shared by a number of threads:
// each takes the next candidate nobody has taken, so a thread that meets
// slow candidates holds nobody up. A C depends on its own train alone, so
// how the candidates fall to the threads changes nothing but the time.
//
// The fast Solve uses it in two ways. With "Use Whole C Constants Only" the
// choice needs every C before the candidates are split over the workers,
// so the candidate search refines them and waits. Without it, the
// refinement runs on threads of its own from the start of the search
// workers' run, through the pauses before each worker starts, and each
// worker waits here before it reads a C.
class CRefinement {
 public:
  CRefinement() = default;
  CRefinement(const CRefinement&) = delete;
  CRefinement& operator=(const CRefinement&) = delete;

  // Readies the refinement of `candidates` in `shares` calls of RunShare,
  // none of them begun. The list must stay as it is until Wait returns.
  void Prepare(std::vector<CCandidate>& candidates, const IndexTerms& terms, unsigned shares);
  // The shares prepared and not yet ended.
  unsigned Shares() const;
  // One share: refines candidates until none is left.
  void RunShare() noexcept;
  // Returns once every prepared share has ended (at once when none is).
  void Wait();
  // Forgets the list; only when no share runs.
  void Clear();

 private:
  std::vector<CCandidate>* candidates_ = nullptr;
  std::optional<FastCBisection> bisection_;  // of the job's index terms
  std::atomic<std::size_t> next_{0};
  mutable std::mutex mutex_;
  std::condition_variable ended_;
  unsigned sharesLeft_ = 0;
};

}  // namespace corvanta

#endif
