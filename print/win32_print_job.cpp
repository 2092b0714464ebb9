#include "print/win32_print_job.h"

#include <commdlg.h>

#include <optional>

#include "print/win32_sheet_renderer.h"

namespace corvanta {

namespace {

// PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
// PD_NOCURRENTPAGE | PD_EXCLUSIONFLAGS: one page, no range to choose, and a
// device context back.
constexpr DWORD kPrintDialogFlags = 0x0190010C;
static_assert(kPrintDialogFlags == (PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS |
                                    PD_HIDEPRINTTOFILE | PD_NOCURRENTPAGE | PD_EXCLUSIONFLAGS));

// The printer the operator chooses, as a device context; nullopt when the
// dialog is cancelled or fails (no printer). Nothing is remembered: every
// job starts from the default printer.
std::optional<HDC> AskForPrinter(HWND owner) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = kPrintDialogFlags;
  dialog.nFromPage = 0xFFFF;
  dialog.nToPage = 0xFFFF;
  dialog.nMinPage = 1;
  dialog.nMaxPage = 0xFFFF;
  dialog.nCopies = 1;
  const BOOL chosen = PrintDlgW(&dialog);
  // The dialog may hand back its device mode and names; the device context
  // is all this job needs.
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (chosen != TRUE || dialog.hDC == nullptr) {
    if (dialog.hDC) DeleteDC(dialog.hDC);
    return std::nullopt;
  }
  return dialog.hDC;
}

// One document of one page on `printer`. The spooler's and the drawing's
// results are not looked at: a failing job is not reported.
void PrintPage(HDC printer, const std::function<std::vector<SheetRun>()>& composeSheet) {
  SetBkMode(printer, TRANSPARENT);
  const SheetLayout layout = SheetLayoutOfDevice(printer);

  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = L"Change Gears";
  StartDocW(printer, &document);
  StartPage(printer);
  SetMapMode(printer, MM_TEXT);
  SetWindowOrgEx(printer, 0, 0, nullptr);
  {
    const SheetGdiFonts fonts(printer, layout);
    try {
      DrawSheetRuns(printer, layout, fonts, composeSheet());
    } catch (...) {
      // Out of memory while composing: the page stays as far as it got, and
      // the document is still closed.
    }
    EndPage(printer);
    EndDoc(printer);
    DeleteDC(printer);
  }  // the fonts go after the device context that used them
}

}  // namespace

void PrintSheet(HWND owner, const std::function<std::vector<SheetRun>()>& composeSheet) {
  if (const std::optional<HDC> printer = AskForPrinter(owner)) PrintPage(*printer, composeSheet);
}

}  // namespace corvanta
