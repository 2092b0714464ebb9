// The set-up sheet's page grid and its four fonts.
//
// Everything on the sheet is placed by two rules over the printable area of
// W x H device pixels: rows (36 to the page height, fractional rows allowed)
// and fractions of the width. The fonts are sized from W alone, so a sheet
// prints alike on any printer, only scaled.
#ifndef CORVANTA_PRINT_SHEET_LAYOUT_H
#define CORVANTA_PRINT_SHEET_LAYOUT_H

#include <array>

namespace corvanta {

struct SheetLayout {
  int width = 0;   // W: printable width in device pixels
  int height = 0;  // H: printable height in device pixels

  // Top of row r: trunc((H / 36.0) x r), in doubles, toward zero.
  int RowY(double row) const;
  // x(f) = trunc(W x f).
  int ColumnX(double fraction) const;
};

// The printable area of a page: its physical size less the unprintable
// margin on each side (the offsets of the top-left corner, taken as the same
// on the opposite sides).
SheetLayout LayoutFromPage(int physicalWidth, int physicalHeight, int offsetX, int offsetY);

// Rows per page height.
inline constexpr double kSheetRowsPerPage = 36.0;

enum class SheetFontId {
  kSheet,   // Arial: title, job, result and set-up lines, equation, trains
  kNarrow,  // Arial squeezed: the three long formula lines
  kSymbol,  // Symbol, large: the therefore signs of the index equation
  kGreek,   // Symbol, small: the psi inside the formula lines
};
inline constexpr int kSheetFontCount = 4;

enum class SheetFace { kArial, kSymbol };

// What a renderer asks its font system for. Heights are character-cell
// heights and widths average character widths, in device pixels, as a
// Windows logical font takes them; width 0 leaves the face its own width.
struct SheetFontSpec {
  SheetFace face;
  int height;
  int width;
};

SheetFontSpec SheetFontFor(SheetFontId font, const SheetLayout& layout);
std::array<SheetFontSpec, kSheetFontCount> SheetFonts(const SheetLayout& layout);

}  // namespace corvanta

#endif
