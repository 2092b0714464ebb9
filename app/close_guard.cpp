#include "app/close_guard.h"

#include "search/search_state.h"

namespace corvanta {
namespace {

int busyDepth = 0;
bool closeRequested = false;

// Leaves the busy state however the work returns.
class BusyMark {
 public:
  BusyMark() { ++busyDepth; }
  ~BusyMark() { --busyDepth; }
  BusyMark(const BusyMark&) = delete;
  BusyMark& operator=(const BusyMark&) = delete;
};

}  // namespace

void RunWhileBusy(HWND window, const std::function<void()>& work) {
  {
    BusyMark busy;
    work();
  }
  if (busyDepth == 0 && closeRequested) {
    closeRequested = false;
    DestroyWindow(window);
  }
}

bool WindowBusy() { return busyDepth > 0; }

void CloseMainWindow(HWND window) {
  if (!WindowBusy()) {
    DestroyWindow(window);
    return;
  }
  closeRequested = true;
  // The workers stop at their next test and hand over what they found; the
  // flag is cleared again by the next "&Solve".
  ProgramSearchState().stopRequested = true;
}

}  // namespace corvanta
