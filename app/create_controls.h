// Every child control of the main window, made when the window is created.
#ifndef CORVANTA_APP_CREATE_CONTROLS_H
#define CORVANTA_APP_CREATE_CONTROLS_H

#include <windows.h>

#include "app/window_fonts.h"
#include "settings/app_settings.h"

namespace corvanta {

// Makes both pages' controls with the saved constants, feed rate and gear
// stock as their first texts, shows the main page and installs the field,
// value and result-navigation procedures. Returns the fonts the controls
// wear; the window deletes them when it is destroyed.
WindowFonts CreateControls(HWND window, const AppSettings& settings);

}  // namespace corvanta

#endif
