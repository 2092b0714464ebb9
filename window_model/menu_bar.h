// Greying and enabling the whole menu bar, which a search and a print do
// while they run.
#ifndef CORVANTA_WINDOW_MODEL_MENU_BAR_H
#define CORVANTA_WINDOW_MODEL_MENU_BAR_H

#include "window_model/control_access.h"

namespace corvanta {

// Every top-level item of the menu bar by position, then the bar redrawn; a
// window without a menu bar is left alone.
void EnableMenuBar(ControlAccess& controls, bool enabled);

}  // namespace corvanta

#endif
