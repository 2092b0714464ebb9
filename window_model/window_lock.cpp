#include "window_model/window_lock.h"

#include "window_model/control_roles.h"
#include "window_model/menu_bar.h"

namespace corvanta {

void LockWindow(ControlAccess& controls) {
  EnableMenuBar(controls, false);
  for (ControlId id : ControlLockSet()) controls.Enable(id, false);
}

void UnlockWindowAfterPrint(ControlAccess& controls) {
  EnableMenuBar(controls, true);
  for (ControlId id : ControlLockSet()) controls.Enable(id, true);
}

}  // namespace corvanta
