// The two pages of the main window and the menu commands that switch them.
//
// The page on display is not stored anywhere: it is which controls are
// visible. Page 1 holds the job and, once found, the result (shown while
// ControlAccess::ResultOnDisplay says so); page 2 the shop's gear stock.
#ifndef CORVANTA_WINDOW_MODEL_PAGES_H
#define CORVANTA_WINDOW_MODEL_PAGES_H

#include "window_model/control_access.h"

namespace corvanta {

inline constexpr int kMainPage = 1;
inline constexpr int kChangeGearsPage = 2;

// Shows page 1 or 2 and hides the other; any other number does nothing.
// Page 1 re-validates the job when it comes back without a result, and
// brings back the result with its fraction bars when it has one.
void ShowPage(ControlAccess& controls, int page);

// The menu commands "Main Page ..." and "Change-Gears Page ...": show the
// page, grey its own item and enable the other one.
void PageCommand(ControlAccess& controls, int page);

// "Save Settings" is offered only while both constants hold some text;
// decided each time the operator moves through the menu.
void UpdateSaveSettingsItem(ControlAccess& controls);

}  // namespace corvanta

#endif
