// What each control of the main window is for: the page it belongs to, what
// a Solve and a result do with it, and its font. Every list of controls the
// window's rules work through comes from here.
#ifndef CORVANTA_WINDOW_MODEL_CONTROL_ROLES_H
#define CORVANTA_WINDOW_MODEL_CONTROL_ROLES_H

#include <vector>

#include "window_model/control_access.h"

namespace corvanta {

enum class ControlFont { kMain, kNarrow, kNone };

// The controls disabled while a search runs, and those of them that are
// enabled again when it ends ("&Solve" and the result selector stay
// disabled: validation and the result display decide about them).
const std::vector<ControlId>& ControlLockSet();
const std::vector<ControlId>& UnlockedAfterSolve();

// Controls of the main page that are always shown with it.
const std::vector<ControlId>& MainPageControls();
// Controls of the result display, shown with the main page only while a
// result is on display.
const std::vector<ControlId>& ResultControls();
// The three controls of every gear-stock cell, cell by cell.
const std::vector<ControlId>& GearStockControls();

// What showing a result enables and shows.
const std::vector<ControlId>& EnabledWithResult();
const std::vector<ControlId>& ShownWithResult();
// What dropping the result empties and hides.
const std::vector<ControlId>& ResultTextControls();
const std::vector<ControlId>& ResultFrameControls();

// The font a control wears; kNone for identifiers of no control.
ControlFont FontOf(ControlId id);

}  // namespace corvanta

#endif
