// The Solve driver's platform in the Windows program: C runtime threads,
// waits on their handles, the Escape key, the window's message queue and the
// stop alert.
#ifndef CORVANTA_APP_WIN32_SOLVE_PLATFORM_H
#define CORVANTA_APP_WIN32_SOLVE_PLATFORM_H

#include <windows.h>

#include <functional>
#include <vector>

#include "search/solve_platform.h"
#include "window_model/control_access.h"
#include "window_model/solve_session.h"

namespace corvanta {

class Win32SolvePlatform : public SolvePlatform {
 public:
  // `window` is the main window: once it no longer exists, PumpMessages
  // reports that nobody is left to show the search to.
  explicit Win32SolvePlatform(HWND window = nullptr) : window_(window) {}
  // Waits for any worker still running and closes its handle; a quit
  // message the pump took out of the queue is posted again.
  ~Win32SolvePlatform() override;
  Win32SolvePlatform(const Win32SolvePlatform&) = delete;
  Win32SolvePlatform& operator=(const Win32SolvePlatform&) = delete;

  // Logical processors of every processor group the system has.
  unsigned LogicalProcessorCount() override;
  // `body` must not throw (the driver's bodies catch everything).
  bool StartWorker(std::function<void()> body) override;
  // Any number of workers: the handles are waited on in groups of at most
  // MAXIMUM_WAIT_OBJECTS (64), each ended handle set aside as soon as it is
  // seen, so the wait returns when the last worker ends.
  bool WaitForWorkers(std::chrono::milliseconds slice) override;
  // Also drops any text the workers left that was not shown.
  void CloseWorkers() override;
  bool StopKeyHeld() override;
  // Shows the texts the workers left for the window (PostedTexts), then
  // takes every waiting message of this thread, translates and dispatches
  // it. A WM_QUIT is kept back rather than dispatched and posted again once
  // the workers are closed, so that the program's own message loop still
  // ends on it.
  bool PumpMessages() override;
  void StopAlert() override;
  void Pause(std::chrono::milliseconds duration) override;

 private:
  void RepostQuit();

  HWND window_;
  std::vector<HANDLE> running_;  // workers not yet seen to end
  std::vector<HANDLE> ended_;    // ended, handle still open
  bool quitSeen_ = false;
  WPARAM quitCode_ = 0;
};

// A search command of the window ("&Solve", "Advise"): ignored while a
// search runs; otherwise the focus taken from every control and `command`
// run on the program's session over the window's controls and this
// platform, with the window marked busy so that a close asked for meanwhile
// waits for it.
using SearchCommand = std::function<void(ControlAccess&, SolvePlatform&, SolveSession&)>;
void RunSearchCommand(HWND window, const SearchCommand& command);

}  // namespace corvanta

#endif
