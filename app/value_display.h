// The values that change only through their spinners: the hob threads and
// the 154 gear-stock cells.
#ifndef CORVANTA_APP_VALUE_DISPLAY_H
#define CORVANTA_APP_VALUE_DISPLAY_H

#include <windows.h>

namespace corvanta {

// A new value from the spinner drops the result on display (it was found
// for the old value) and re-validates the job.
LRESULT CALLBACK ValueDisplayProc(HWND display, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace corvanta

#endif
