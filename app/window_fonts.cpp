#include "app/window_fonts.h"

#include "window_model/control_roles.h"

namespace corvanta {
namespace {

constexpr LONG kFontHeight = -16;
constexpr LONG kNarrowWidth = 7;
constexpr LONG kFontWeight = 100;

HFONT MakeFont(LONG width) {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = kFontHeight;
  font.lfWidth = width;
  font.lfWeight = kFontWeight;
  font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  font.lfQuality = CLEARTYPE_QUALITY;
  // Where the face is missing (Wine), the system's font replacement picks
  // another; the name stays the one Windows has.
  lstrcpynW(font.lfFaceName, L"Segoe UI", LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

// Sets `font` on one child, with redraw.
void SetControlFont(HWND window, int id, HFONT font) {
  HWND control = GetDlgItem(window, id);
  if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace

WindowFonts CreateWindowFonts() { return {MakeFont(0), MakeFont(kNarrowWidth)}; }

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
