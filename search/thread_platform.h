// The Solve driver's platform on standard C++ threads, for native tests and
// the command-line solver (and usable in the Windows build as well).
//
// It has no window: the stop key is never held, there are no messages to
// pump and the stop alert is silent, unless a derived class says otherwise
// (tests script the stop key; the command-line solver maps Ctrl+C onto it
// and shows the status line while it "pumps").
#ifndef CORVANTA_SEARCH_THREAD_PLATFORM_H
#define CORVANTA_SEARCH_THREAD_PLATFORM_H

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "search/solve_platform.h"

namespace corvanta {

class ThreadPlatform : public SolvePlatform {
 public:
  // `processors` replaces the count the system reports (the split of the
  // candidates, and so the result list, depends on it).
  explicit ThreadPlatform(std::optional<unsigned> processors = std::nullopt);
  // Waits for and joins any worker still running, so that no thread outlives
  // the object whose counter it updates.
  ~ThreadPlatform() override;
  ThreadPlatform(const ThreadPlatform&) = delete;
  ThreadPlatform& operator=(const ThreadPlatform&) = delete;

  unsigned LogicalProcessorCount() override;
  // `body` must not throw (the driver's bodies catch everything).
  bool StartWorker(std::function<void()> body) override;
  bool WaitForWorkers(std::chrono::milliseconds slice) override;
  void CloseWorkers() override;
  bool StopKeyHeld() override { return false; }
  bool PumpMessages() override { return true; }
  void StopAlert() override {}
  void Pause(std::chrono::milliseconds duration) override;

  // Workers started and not yet ended.
  std::size_t RunningWorkers() const;

 private:
  std::optional<unsigned> processors_;
  mutable std::mutex mutex_;
  std::condition_variable ended_;
  std::size_t running_ = 0;
  std::vector<std::thread> threads_;
};

}  // namespace corvanta

#endif
