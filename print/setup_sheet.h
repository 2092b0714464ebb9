// The set-up sheet as data: the ordered runs of text a renderer draws.
//
// The sheet is composed once, from the result and the current fields, into
// a list of runs; the Windows printer, the page bitmap of the tests and the
// PDF writer all draw that same list, so what they show cannot differ in
// content, only in the fonts the machine has.
#ifndef CORVANTA_PRINT_SETUP_SHEET_H
#define CORVANTA_PRINT_SETUP_SHEET_H

#include <string>
#include <vector>

#include "print/sheet_layout.h"
#include "search/solve_result.h"

namespace corvanta {

enum class SheetAlign {
  kLeft,    // left edge of the text at the point, its top at the row
  kCentre,  // centred on the point
  kRight,   // right edge at the point
  // Drawn at the current point, which the text then moves to its end; a run
  // with a position first moves the current point there. Joins runs in
  // different fonts into one line.
  kFlow,
};

struct SheetRun {
  // false: the run continues at the current point, and row/column are unused.
  bool positioned = true;
  double row = 0;     // top at SheetLayout::RowY(row)
  double column = 0;  // at SheetLayout::ColumnX(column)
  SheetAlign align = SheetAlign::kLeft;
  SheetFontId font = SheetFontId::kSheet;
  std::string text;  // Windows-1252; in the Symbol fonts the face's own codes
};

// What the sheet takes from the window, each text cut to the length that
// the sheet has room for (and the long forms the arithmetic uses).
struct SheetInputs {
  std::string indexConstShown;      // 6 characters
  std::string indexConst;           // 59
  std::string feedConstShown;       // 40
  std::string feedConst;            // 59
  std::string helixShown;           // 40
  std::string helix;                // 59
  std::string pitchShown;           // 40
  std::string pitch;                // 59
  std::string pitchForSheet;        // 44: the normal circular pitch line
  int teeth = 0;                    // 0 with no selection
  std::string hobThreads;           // 2
  int setupRow = -1;                // the machine set-up, 0 to 7; -1: none chosen
  std::string pitchDiameterLine;    // 40
  std::string outsideDiameterLine;  // 40
  std::string leadLine;             // the result display's whole line
  std::string actualFeedText;       // the result display's whole text
};

// Every run of the sheet of `result`, in drawing order.
std::vector<SheetRun> ComposeSetupSheet(const SheetInputs& inputs, const SolveResult& result);

inline constexpr const char* kSheetTitle =
    "HOB HELICAL GEAR WITH DIFFERENTIAL LOCKED-OUT OR NOT PRESENT";

}  // namespace corvanta

#endif
