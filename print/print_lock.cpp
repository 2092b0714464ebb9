#include "print/print_lock.h"

#include "search/solve_driver.h"

namespace corvanta {

namespace {

void SetLocked(ControlAccess& window, bool locked) {
  const int items = window.MenuBarItemCount();
  if (items > 0) {
    for (int position = 0; position < items; ++position) {
      window.EnableMenuBarItem(position, !locked);
    }
    window.RedrawMenuBar();
  }
  for (ControlId id : ControlLockSet()) window.Enable(id, !locked);
}

}  // namespace

void LockWindowForPrint(ControlAccess& window) { SetLocked(window, true); }

void UnlockWindowAfterPrint(ControlAccess& window) { SetLocked(window, false); }

}  // namespace corvanta
