// A face and size for the window's captions where its own face is missing.
#ifndef CORVANTA_APP_FONT_FALLBACK_H
#define CORVANTA_APP_FONT_FALLBACK_H

#include <windows.h>

#include "app/window_fonts.h"

namespace corvanta {

// Where the window's face is missing (a Wine prefix with neither "Segoe UI"
// nor a replacement for it), the face the system puts in its place is often
// wider, and captions laid out for Segoe UI lose their ends. This keeps that
// face, which exists, and makes both fonts as large as they can be, at most
// their own size, with every caption's text extent inside its box; the new
// fonts go on every control that wore the old ones and replace `fonts`.
// Where the face exists, nothing changes.
void FitFontsWhereFaceIsMissing(HWND window, WindowFonts& fonts);

// Whether the system has a font family of this name, its own or by a font
// replacement.
bool FontFaceExists(HDC dc, const wchar_t* face);

}  // namespace corvanta

#endif
