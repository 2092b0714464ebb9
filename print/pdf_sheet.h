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

#include "print/setup_sheet.h"
#include "print/sheet_layout.h"

namespace corvanta {

// The page the PDF models, in its own 600 dpi pixels.
struct PdfPage {
  int dotsPerInch;
  int physicalWidth, physicalHeight;
  int offsetX, offsetY;
};
inline constexpr PdfPage kPdfLetterPage = {600, 5100, 6600, 150, 120};

// Writes `runs` to `path` through a temporary file in the same folder (see
// FileReplacement): a failure leaves no half-written file and an existing
// sheet as it was. false, with the system's reason in *error (such as "No
// space left on device"), when the file cannot be written. Releases
// cairo's font caches before it returns, so it must not run while another
// thread draws with cairo.
bool WriteSheetPdf(const std::vector<SheetRun>& runs, const std::string& path,
                   std::string* error = nullptr);

}  // namespace corvanta

#endif
