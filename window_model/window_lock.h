// The window's lock while a search or a sheet's print runs: the menu bar
// greyed and the job's controls disabled, so that nothing the search or the
// sheet reads can change under it.
#ifndef CORVANTA_WINDOW_MODEL_WINDOW_LOCK_H
#define CORVANTA_WINDOW_MODEL_WINDOW_LOCK_H

#include "window_model/control_access.h"

namespace corvanta {

// Greys every top-level menu item and disables the lock set
// (ControlLockSet). The Solve, the advice and the print each unlock by
// their own rule.
void LockWindow(ControlAccess& controls);
// Enables every top-level menu item (the current page's item too, which the
// page switch had greyed) and every control of the lock set, "&Solve" and
// the result selector included: a result is on display, so both apply.
void UnlockWindowAfterPrint(ControlAccess& controls);

// A print's lock: locks on construction and unlocks on destruction, however the print ends.
class PrintLock {
 public:
  explicit PrintLock(ControlAccess& controls) : controls_(controls) { LockWindow(controls_); }
  ~PrintLock() { UnlockWindowAfterPrint(controls_); }
  PrintLock(const PrintLock&) = delete;
  PrintLock& operator=(const PrintLock&) = delete;

 private:
  ControlAccess& controls_;
};

}  // namespace corvanta

#endif
