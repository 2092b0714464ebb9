// The program's only sounds: the exclamation of a refused key and the
// simple beep at either end of the result list.
#ifndef CORVANTA_APP_BEEP_H
#define CORVANTA_APP_BEEP_H

namespace corvanta {

inline constexpr unsigned kRefusedKeyBeep = 0x30;        // MB_ICONEXCLAMATION
inline constexpr unsigned kEndOfListBeep = 0xFFFFFFFFu;  // the simple beep

// Plays the system sound `type` (MessageBeep).
void Beep(unsigned type);

// Where the sounds go instead, for a test that must hear them (nullptr: the
// system again). Wine plays nothing, so a test cannot listen for them.
using BeepListener = void (*)(unsigned type);
void SetBeepListener(BeepListener listener);

}  // namespace corvanta

#endif
