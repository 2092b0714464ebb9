// The main window's two fonts and which controls wear them.
#ifndef CORVANTA_APP_WINDOW_FONTS_H
#define CORVANTA_APP_WINDOW_FONTS_H

#include <windows.h>

namespace corvanta {

// Owned by the main window from its creation to its destruction.
struct WindowFonts {
  HFONT main = nullptr;    // every text of both pages
  HFONT narrow = nullptr;  // the two long labels that must fit their space
};

// The system's GUI font made 16 pixels high in "Segoe UI"; the narrow one
// has characters 7 pixels wide.
WindowFonts CreateWindowFonts();
void DeleteWindowFonts(WindowFonts& fonts);

// Sets each control's font (window_model/control_roles.h) on both pages.
void ApplyWindowFonts(HWND window, const WindowFonts& fonts);

}  // namespace corvanta

#endif
