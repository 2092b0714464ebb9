// The window's lock while a sheet prints: the menu bar greyed and the job's
// controls disabled, so that nothing the sheet reads can change under it.
#ifndef CORVANTA_WINDOW_MODEL_PRINT_LOCK_H
#define CORVANTA_WINDOW_MODEL_PRINT_LOCK_H

#include "window_model/control_access.h"

namespace corvanta {

// Greys every top-level menu item and disables the controls a search locks
// (ControlLockSet): the same set, so a print leaves nothing editable.
void LockWindowForPrint(ControlAccess& controls);
// Enables every top-level menu item (the current page's item too, which the
// page switch had greyed) and every control of the lock set, "&Solve" and
// the result selector included: a result is on display, so both apply.
void UnlockWindowAfterPrint(ControlAccess& controls);

// Locks on construction and unlocks on destruction, however the print ends.
class PrintLock {
 public:
  explicit PrintLock(ControlAccess& controls) : controls_(controls) {
    LockWindowForPrint(controls_);
  }
  ~PrintLock() { UnlockWindowAfterPrint(controls_); }
  PrintLock(const PrintLock&) = delete;
  PrintLock& operator=(const PrintLock&) = delete;

 private:
  ControlAccess& controls_;
};

}  // namespace corvanta

#endif
