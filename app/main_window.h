// The program's one window: its class, its creation and its procedure.
#ifndef CORVANTA_APP_MAIN_WINDOW_H
#define CORVANTA_APP_MAIN_WINDOW_H

#include <windows.h>

#include "app/window_state.h"

namespace corvanta {

inline constexpr int kMainWindowWidth = 900;
inline constexpr int kMainWindowHeight = 550;

// Registers the window class named by the program's string IDR_MAIN_WINDOW,
// with the program's icons and menu and room for the window's state. The
// result is not needed: creating the window fails if the class is missing.
void RegisterMainWindowClass(HINSTANCE instance);

// Creates the main window, centred on the primary screen, with
// state.startSettings as the first texts of its fields and gear-stock cells;
// nullptr on failure. `state` must outlive the window.
HWND CreateMainWindow(HINSTANCE instance, WindowState& state);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace corvanta

#endif
