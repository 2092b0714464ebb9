// The program's one window: its class, its creation and its procedure.
#ifndef CORVANTA_APP_MAIN_WINDOW_H
#define CORVANTA_APP_MAIN_WINDOW_H

#include <windows.h>

#include "settings/app_settings.h"

namespace corvanta {

inline constexpr int kMainWindowWidth = 900;
inline constexpr int kMainWindowHeight = 550;

// Registers the window class named by the program's string 109, with the
// program's icons and menu. The result is not needed: creating the window
// fails if the class is missing.
void RegisterMainWindowClass(HINSTANCE instance);

// Creates the main window, centred on the primary screen, with `settings`
// as the first texts of its fields and gear-stock cells; nullptr on failure.
HWND CreateMainWindow(HINSTANCE instance, const AppSettings& settings);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace corvanta

#endif
