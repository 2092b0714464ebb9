#include "app/close_guard.h"

#include "app/window_state.h"
#include "window_model/solve_session.h"

namespace corvanta {
namespace {

// Leaves the busy state however the work returns.
class BusyMark {
 public:
  explicit BusyMark(WindowState& state) : state_(state) { ++state_.busyDepth; }
  ~BusyMark() { --state_.busyDepth; }
  BusyMark(const BusyMark&) = delete;
  BusyMark& operator=(const BusyMark&) = delete;

 private:
  WindowState& state_;
};

}  // namespace

void RunWhileBusy(HWND window, const std::function<void()>& work) {
  WindowState& state = *WindowStateOf(window);
  {
    BusyMark busy(state);
    work();
  }
  if (state.busyDepth == 0 && state.closeRequested) {
    state.closeRequested = false;
    DestroyWindow(window);
  }
}

bool WindowBusy(HWND window) { return WindowStateOf(window)->busyDepth > 0; }

void CloseMainWindow(HWND window) {
  if (!WindowBusy(window)) {
    DestroyWindow(window);
    return;
  }
  WindowStateOf(window)->closeRequested = true;
  // The workers stop at their next test and hand over what they found; the
  // flag is cleared again by the next "&Solve".
  ProgramSolveSession().control.RequestStop();
}

}  // namespace corvanta
