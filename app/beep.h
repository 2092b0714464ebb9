// The program's sounds: the exclamation of a refused key, the simple beep at
// either end of the result list, and the stop alert of Escape during a
// search.
#ifndef CORVANTA_APP_BEEP_H
#define CORVANTA_APP_BEEP_H

#include <windows.h>

namespace corvanta {

inline constexpr unsigned kRefusedKeyBeep = 0x30;        // MB_ICONEXCLAMATION
inline constexpr unsigned kEndOfListBeep = 0xFFFFFFFFu;  // the simple beep
inline constexpr unsigned kStopAlertBeep = 0x10;         // MB_ICONHAND

// Plays the system sound `type` (MessageBeep), or hands it to the listener
// of the main window `window` when it has one (window_state.h).
void Beep(HWND window, unsigned type);

}  // namespace corvanta

#endif
