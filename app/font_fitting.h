// The window's fonts made small enough for every caption.
#ifndef CORVANTA_APP_FONT_FITTING_H
#define CORVANTA_APP_FONT_FITTING_H

#include <windows.h>

#include "app/window_fonts.h"

namespace corvanta {

// The captions are laid out for Segoe UI at its own size. Another face, or
// another version of it, can be wider: where a Wine prefix has no Segoe UI
// the system puts a face of its own in its place, and where it replaces the
// face (the project's prefix draws Segoe UI in Lato) the replacement's
// widths differ. Either way a caption laid out for Segoe UI can lose its
// end. This measures every static's and button's caption of `window`'s
// children, hidden or not, with the font it wears. Where all fit, nothing
// changes. Otherwise both fonts are made again one size smaller at a time
// until all fit: in Segoe UI where the system has a family of that name
// (its own or by a replacement), else in the face the system drew. The new
// fonts go on every control that wore the old ones and replace `fonts`.
void FitWindowFonts(HWND window, WindowFonts& fonts);

// Both fonts in `face` at `height` (negative: pixels of character height),
// the narrow one as much narrower as at the window's own size.
WindowFonts WindowFontsOfHeight(const wchar_t* face, LONG height);

// Whether the system has a font family of this name, its own or by a font
// replacement.
bool FontFaceExists(HDC dc, const wchar_t* face);

}  // namespace corvanta

#endif
