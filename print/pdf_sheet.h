// The set-up sheet as a one-page PDF, for a planner without Windows.
//
// The page is US Letter; the runs are laid out on the grid of a 600 dpi
// printer with a quarter-inch side margin and a fifth-of-an-inch top and
// bottom margin, so the sheet keeps the printed page's proportions. Text
// stays text: it can be selected and searched.
#ifndef CORVANTA_PRINT_PDF_SHEET_H
#define CORVANTA_PRINT_PDF_SHEET_H

#include <string>
#include <vector>

#include "app/control_access.h"
#include "print/setup_sheet.h"
#include "print/sheet_layout.h"
#include "search/solve_result.h"

namespace corvanta {

// The page the PDF models, in its own 600 dpi pixels.
struct PdfPage {
  int dotsPerInch;
  int physicalWidth, physicalHeight;
  int offsetX, offsetY;
};
inline constexpr PdfPage kPdfLetterPage = {600, 5100, 6600, 150, 120};

// Writes `runs` to `path`. false, with the reason in *error, when the file
// cannot be written. Releases cairo's font caches before it returns, so it
// must not run while another thread draws with cairo.
bool WriteSheetPdf(const std::vector<SheetRun>& runs, const std::string& path,
                   std::string* error = nullptr);

// The sheet of `result` and the job in `window`, as the command-line solver
// writes it: where the window holds no lead and actual-feed lines (no
// display has shown the result), they are evaluated here.
bool WriteSetupSheetPdf(const ControlAccess& window, const SolveResult& result,
                        const std::string& path, std::string* error = nullptr);

// What the command-line solver's --sheet FILE.pdf --sheet-result N does after
// a Solve: shows result number `resultNumber` (counted from 1, as the result
// selector counts) in `window`, as "Print ..." prints the result on display,
// and writes its sheet. "" when written, else what went wrong: no such
// result, or a file that cannot be written.
std::string WriteResultSheetPdf(ControlAccess& window, const std::vector<SolveResult>& results,
                                long long resultNumber, const std::string& path);

}  // namespace corvanta

#endif
