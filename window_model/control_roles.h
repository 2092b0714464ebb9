// What each control of the main window is for, one row per control: the
// page it belongs to, what a Solve and a result do with it, and its font.
// Every list of controls the window's rules work through is derived from
// this table, so a new control is one new row.
#ifndef CORVANTA_WINDOW_MODEL_CONTROL_ROLES_H
#define CORVANTA_WINDOW_MODEL_CONTROL_ROLES_H

#include <vector>

#include "window_model/control_access.h"

namespace corvanta {

enum class Page {
  kMain,    // always shown with the main page
  kResult,  // shown with the main page only while a result is on display
  kStock,   // the change-gears page
  kList,    // the results page: every result at a glance
  kAdvice,  // the gear-advice page
};

enum class ControlFont { kMain, kNarrow, kNone };

// What a Solve and a result do with a control; a row holds any of them.
enum RoleFlag : unsigned {
  kLockedBySolve = 1u << 0,       // disabled while a search runs
  kUnlockedAfterSolve = 1u << 1,  // and enabled again when it ends
  kResultText = 1u << 2,          // emptied when the result is dropped
  kResultFrame = 1u << 3,         // hidden when the result is dropped
  kEnabledWithResult = 1u << 4,   // enabled when a result is shown
  kShownWithResult = 1u << 5,     // shown when a result is shown
};

struct ControlRole {
  ControlId id;
  Page page;
  unsigned flags;  // RoleFlag bits
  ControlFont font;
};

// Every control of every page: the named controls in ascending order, then
// the gear-stock cells, cell by cell. Each list below keeps this order.
const std::vector<ControlRole>& ControlRoles();

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
// The three controls of every gear-stock cell, cell by cell: value,
// spinner, caption.
const std::vector<ControlId>& GearStockControls();
// The controls of the results page and of the gear-advice page.
const std::vector<ControlId>& ResultListControls();
const std::vector<ControlId>& AdviceControls();

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
