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

// The face and sizes the controls are laid out for.
inline constexpr wchar_t kWindowFace[] = L"Segoe UI";
inline constexpr LONG kWindowFontHeight = -16;
inline constexpr LONG kNarrowFontWidth = 7;

// The system's GUI font changed to `face`, `height` and the average
// character `width` (0: the face's own proportions).
HFONT MakeWindowFont(const wchar_t* face, LONG height, LONG width);

// The window's fonts in its own face: 16 pixels high, the narrow one with
// characters 7 pixels wide.
WindowFonts CreateWindowFonts();
void DeleteWindowFonts(WindowFonts& fonts);

// Sets each control's font (window_model/control_roles.h) on both pages.
void ApplyWindowFonts(HWND window, const WindowFonts& fonts);

}  // namespace corvanta

#endif
