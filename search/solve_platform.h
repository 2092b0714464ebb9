// What the Solve driver needs from the operating system, and nothing more.
//
// The driver runs on the window's thread: it starts the search workers,
// waits for them in short slices, watches the stop key, keeps the window's
// messages flowing and sounds the stop alert. Those few operations sit
// behind this interface so that the same driver runs in the Windows program
// and in native tests and tools (ThreadPlatform), unchanged.
#ifndef CORVANTA_SEARCH_SOLVE_PLATFORM_H
#define CORVANTA_SEARCH_SOLVE_PLATFORM_H

#include <chrono>
#include <functional>

namespace corvanta {

// The longest the window's thread waits before it looks at the stop key and
// the message queue again.
inline constexpr std::chrono::milliseconds kWaitSlice{100};
// The pause before each worker is started.
inline constexpr std::chrono::milliseconds kWorkerStartPause{5};

class SolvePlatform {
 public:
  virtual ~SolvePlatform() = default;

  // Logical processors of the machine; 0 when the system does not say.
  virtual unsigned LogicalProcessorCount() = 0;

  // Runs `body` on a new thread. False when no thread could be started; the
  // body has then not run and never will.
  virtual bool StartWorker(std::function<void()> body) = 0;
  // Waits at most `slice` for every worker started since the last
  // CloseWorkers; true as soon as the last one has ended (also when none
  // was started), false when the slice ran out first.
  virtual bool WaitForWorkers(std::chrono::milliseconds slice) = 0;
  // Releases what the ended workers hold (handles, joined threads). Only
  // called after WaitForWorkers has returned true.
  virtual void CloseWorkers() = 0;

  // True while the operator holds the stop key (Escape in the window).
  virtual bool StopKeyHeld() = 0;
  // Dispatches every message waiting for the window's thread, so that the
  // window paints and the workers' progress texts arrive. False once the
  // program is being shut down (its quit message has been seen): there is
  // nobody left to show the search to.
  virtual bool PumpMessages() = 0;

  // The stop alert: Escape during a search.
  virtual void StopAlert() = 0;

  virtual void Pause(std::chrono::milliseconds duration) = 0;
};

}  // namespace corvanta

#endif
