#include "app/window_fonts.h"

#include "window_model/control_roles.h"

namespace corvanta {
namespace {

constexpr LONG kFontWeight = 100;

// Sets `font` on one child, with redraw.
void SetControlFont(HWND window, int id, HFONT font) {
  HWND control = GetDlgItem(window, id);
  if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace

HFONT MakeWindowFont(const wchar_t* face, LONG height, LONG width) {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfWeight = kFontWeight;
  font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  font.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

// Where the face is missing, the system substitutes another here, and
// FitWindowFonts looks after the captions.
WindowFonts CreateWindowFonts() {
  return {MakeWindowFont(kWindowFace, kWindowFontHeight, 0),
          MakeWindowFont(kWindowFace, kWindowFontHeight, kNarrowFontWidth)};
}

void DeleteWindowFonts(WindowFonts& fonts) {
  if (fonts.main != nullptr) DeleteObject(fonts.main);
  if (fonts.narrow != nullptr) DeleteObject(fonts.narrow);
  fonts = {};
}

void ApplyWindowFonts(HWND window, const WindowFonts& fonts) {
  for (const ControlRole& role : ControlRoles()) {
    if (role.font == ControlFont::kMain) SetControlFont(window, role.id, fonts.main);
    if (role.font == ControlFont::kNarrow) SetControlFont(window, role.id, fonts.narrow);
  }
}

}  // namespace corvanta
