// The five numeric fields of the main page: the key filter, Tab between the
// helix angle and the pitch, the Copy/Paste popup menu, and every other way
// their text can change (the edit control's own keys, edit messages from
// other programs), each held to the same rules.
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

// The window's EN_CHANGE from a numeric field. A change that did not pass
// through NumericFieldProc (a message it does not know) still drops the
// result on display, re-validates the job and updates the geometry lines.
void OnNumericFieldChanged(HWND field);

}  // namespace corvanta

#endif
