#include "app/window_fonts.h"

#include "resources/resource.h"

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

struct IdRun {
  int first, last;
};

// The main font's runs; 3021 and 3022 in between take the narrow font.
constexpr IdRun kMainFontRuns[] = {{1001, 1022}, {2001, 2007}, {3000, 3020}, {3023, 3035}};
constexpr int kNarrowFontIds[] = {IDC_NUMBER_OF_TEETH_LABEL, IDC_NORMAL_DIAMETRAL_PITCH_LABEL};

}  // namespace

WindowFonts CreateWindowFonts() { return {MakeFont(0), MakeFont(kNarrowWidth)}; }

void DeleteWindowFonts(WindowFonts& fonts) {
  if (fonts.main != nullptr) DeleteObject(fonts.main);
  if (fonts.narrow != nullptr) DeleteObject(fonts.narrow);
  fonts = {};
}

void SetControlFont(HWND window, int id, HFONT font) {
  HWND control = GetDlgItem(window, id);
  if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ApplyWindowFonts(HWND window, const WindowFonts& fonts) {
  for (const IdRun& run : kMainFontRuns)
    for (int id = run.first; id <= run.last; ++id) SetControlFont(window, id, fonts.main);
  for (int id : kNarrowFontIds) SetControlFont(window, id, fonts.narrow);
}

}  // namespace corvanta
