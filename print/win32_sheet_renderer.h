// Drawing the set-up sheet's runs on a Windows device context: the printer's
// page, or a page-sized bitmap (the tests draw through this same code).
#ifndef CORVANTA_PRINT_WIN32_SHEET_RENDERER_H
#define CORVANTA_PRINT_WIN32_SHEET_RENDERER_H

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "print/setup_sheet.h"
#include "print/sheet_layout.h"

namespace corvanta {

// The printable area of a printer's page in device pixels: the physical
// page less its unprintable margins.
SheetLayout SheetLayoutOfDevice(HDC device);

// The logical font width that makes `face` at `height` as wide as Arial at
// `arialWidth`: arialWidth itself for Arial (or any face within 2% of it),
// 0 for 0.
int ArialEquivalentWidth(HDC device, const wchar_t* face, int height, int arialWidth);

// The sheet's four fonts for one page, created in the order SheetFont,
// SheetNarrowFont, SheetSymbolFont, SheetGreekFont and deleted with the
// object. Delete them only once no device context has them selected
// (DrawSheetRuns leaves the context as it found it).
//
// The two Arial fonts are squeezed to an average character width, and the
// sheet's columns (the fraction bars under the trains, the 100-digit lines)
// are measured for Arial's. A stand-in face with another notion of its
// average width (Liberation Sans, Wine's Arial, counts every glyph and comes
// out a third wider) would squeeze far more; for such a face the width is
// chosen so that the text is as wide as Arial's would be. `device` is where
// the face is measured.
class SheetGdiFonts {
 public:
  SheetGdiFonts(HDC device, const SheetLayout& layout);
  ~SheetGdiFonts();
  SheetGdiFonts(const SheetGdiFonts&) = delete;
  SheetGdiFonts& operator=(const SheetGdiFonts&) = delete;

  HFONT Get(SheetFontId font) const { return fonts_[static_cast<int>(font)]; }
  // SheetNarrowFont's face and height at the face's own width, which a
  // printer gets with a horizontal scale (DrawSheetRuns).
  HFONT UnsqueezedNarrow() const { return unsqueezedNarrow_; }

 private:
  std::array<HFONT, kSheetFontCount> fonts_{};
  HFONT unsqueezedNarrow_ = nullptr;
};

// The UTF-16 text a run is drawn with. The sheet's 8-bit text is decoded
// as Windows-1252 whatever the machine's ANSI code page. The Symbol-face runs
// keep their byte codes as UTF-16 code units: Windows reaches a symbol
// font's glyphs by those codes (Wine's Symbol font has no 8-bit mapping,
// so an 8-bit TextOutA draws empty boxes there).
std::wstring RunDeviceText(const SheetRun& run);

// Draws the runs in order on `device` (text background transparent, MM_TEXT
// coordinates whose origin is the printable corner). Each run selects its
// font and alignment only when they differ from the previous run's, and
// places each character at the advance GDI measures for it. On a printer
// the narrow lines are drawn in the unsqueezed face under a horizontal
// scale. The device's font, alignment, background mode, transform and
// current point are restored at the end.
void DrawSheetRuns(HDC device, const SheetLayout& layout, const SheetGdiFonts& fonts,
                   const std::vector<SheetRun>& runs);

}  // namespace corvanta

#endif
