// A platform for one search among many run side by side: it reports the
// processor count of the Solve it stands for, so that the candidates are
// split over as many workers as that Solve would split them, but it starts
// no thread: each worker runs to its end on the calling thread, one after
// the other, without the pauses a window's Solve makes before each start.
//
// The workers of a search share nothing but read-only tables and the
// search's result sink, and each keeps its own best matches, so what they
// keep does not depend on whether they run at once or in turn.
#ifndef CORVANTA_ADVICE_INLINE_PLATFORM_H
#define CORVANTA_ADVICE_INLINE_PLATFORM_H

#include "search/solve_platform.h"

namespace corvanta {

class InlinePlatform : public SolvePlatform {
 public:
  explicit InlinePlatform(unsigned processors) : processors_(processors) {}

  unsigned LogicalProcessorCount() override { return processors_; }
  // No thread: the caller (WorkerGroup, the C refinement) runs the body.
  bool StartWorker(std::function<void()>) override { return false; }
  bool WaitForWorkers(std::chrono::milliseconds) override { return true; }
  void CloseWorkers() override {}
  bool StopKeyHeld() override { return false; }
  bool PumpMessages() override { return true; }
  void StopAlert() override {}
  void Pause(std::chrono::milliseconds) override {}

 private:
  unsigned processors_;
};

}  // namespace corvanta

#endif
