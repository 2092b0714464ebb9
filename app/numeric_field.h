// The five numeric fields of the main page: the key filter, Tab between the
// helix angle and the pitch, and the Copy/Paste popup menu.
#ifndef CORVANTA_APP_NUMERIC_FIELD_H
#define CORVANTA_APP_NUMERIC_FIELD_H

#include <windows.h>

namespace corvanta {

// Identifiers of the popup's items, as they come back in WM_COMMAND.
inline constexpr UINT kCopyItem = 1;
inline constexpr UINT kPasteItem = 2;

// Installed on "Index Const:", "Feed Const:", "Helix Angle:", "Normal
// Diametral Pitch:" and "Feed Rate:" (see subclass.h).
LRESULT CALLBACK NumericFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace corvanta

#endif
