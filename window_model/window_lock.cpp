#include "window_model/print_lock.h"

#include "window_model/control_roles.h"
#include "window_model/menu_bar.h"

namespace corvanta {

namespace {

void SetLocked(ControlAccess& controls, bool locked) {
  EnableMenuBar(controls, !locked);
  for (ControlId id : ControlLockSet()) controls.Enable(id, !locked);
}

}  // namespace

void LockWindowForPrint(ControlAccess& controls) { SetLocked(controls, true); }

void UnlockWindowAfterPrint(ControlAccess& controls) { SetLocked(controls, false); }

}  // namespace corvanta
