// How one search is asked to stop and how far it has come: the two values
// its workers share with whoever watches them.
#ifndef CORVANTA_SEARCH_RUN_CONTROL_H
#define CORVANTA_SEARCH_RUN_CONTROL_H

#include <atomic>
#include <cstdint>

namespace corvanta {

struct RunControl {
  std::atomic<bool> stopRequested{false};
  // The candidates the workers have begun, counted across all of them.
  std::atomic<std::uint32_t> progressCounter{0};

  // Relaxed: a stop is a request, seen at the workers' next look, and
  // nothing else is read through it.
  bool StopRequested() const { return stopRequested.load(std::memory_order_relaxed); }
  void RequestStop() { stopRequested.store(true, std::memory_order_relaxed); }
};

}  // namespace corvanta

#endif
