// The pages of the main window and the menu commands that switch them.
//
// The page on display is not stored anywhere: it is which controls are
// visible. Page 1 holds the job and, once found, the result (shown while
// ControlAccess::ResultOnDisplay says so); page 2 the shop's gear stock;
// page 3 every result of the Solve as a list; page 4 the gear advice.
#ifndef CORVANTA_WINDOW_MODEL_PAGES_H
#define CORVANTA_WINDOW_MODEL_PAGES_H

#include "window_model/control_access.h"

namespace corvanta {

inline constexpr int kMainPage = 1;
inline constexpr int kChangeGearsPage = 2;
inline constexpr int kResultsPage = 3;
inline constexpr int kGearAdvicePage = 4;

// Shows page 1 to 4 and hides the others; any other number does nothing.
// Page 1 re-validates the job when it comes back without a result, and
// brings back the result with its fraction bars when it has one.
void ShowPage(ControlAccess& controls, int page);

// The page whose controls are visible.
int PageOnDisplay(const ControlAccess& controls);

// The menu commands "Main Page ...", "Change-Gears Page ...", "Results
// Page ..." and "Gear Advice Page ...": show the page, grey its own item
// and enable the others ("Results Page ..." only while a result is on
// display).
void PageCommand(ControlAccess& controls, int page);

// "Results Page ..." is offered while a result is on display, but not
// from its own page.
void UpdateResultsPageItem(ControlAccess& controls);

// "Save Settings" is offered only while both constants hold some text;
// decided each time the operator moves through the menu.
void UpdateSaveSettingsItem(ControlAccess& controls);

}  // namespace corvanta

#endif
