// Stepping through the found results with the result selector's arrows.
#ifndef CORVANTA_APP_RESULT_NAVIGATION_H
#define CORVANTA_APP_RESULT_NAVIGATION_H

#include <windows.h>

namespace corvanta {

// Installed on the main window itself once its controls exist (see
// subclass.h): shows the next or previous result when the selector is
// clicked, and beeps at either end of the list.
LRESULT CALLBACK ResultNavigationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace corvanta

#endif
