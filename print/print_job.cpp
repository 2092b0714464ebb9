#include "print/print_job.h"

#include <commctrl.h>
#include <commdlg.h>

#include <optional>

#include "app/win32_controls.h"
#include "print/print_lock.h"
#include "print/setup_sheet.h"
#include "print/win32_sheet_renderer.h"
#include "resources/resource.h"

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
std::optional<HDC> AskForPrinter(HWND window) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
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
void PrintPage(HDC printer, const ControlAccess& controls, const SolveResult& result) {
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
      DrawSheetRuns(printer, layout, fonts, ComposeSetupSheet(controls, result));
    } catch (...) {
      // Out of memory while composing: the page stays as far as it got, and
      // the document is still closed and the window unlocked.
    }
    EndPage(printer);
    EndDoc(printer);
    DeleteDC(printer);
  }  // the fonts go after the device context that used them
}

}  // namespace

void PrintSelectedResult(HWND window, const std::vector<SolveResult>& results) {
  SetFocus(nullptr);
  const int position =
      static_cast<int>(SendMessageW(GetDlgItem(window, IDC_RESULT_SELECTOR), UDM_GETPOS32, 0, 0));
  const long long index = static_cast<long long>(position) - 1;
  if (index >= 0 && static_cast<unsigned long long>(index) < results.size()) {
    PrintSetupSheet(window, results, static_cast<std::size_t>(index));
    return;
  }
  MessageBoxW(window, L"Print error", L"Info", MB_OK);
}

void PrintSetupSheet(HWND window, const std::vector<SolveResult>& results, std::size_t index) {
  if (index >= results.size()) return;
  // A copy: the printer dialog dispatches the window's messages while it is
  // open, and the sheet must not depend on the list staying as it was.
  const SolveResult result = results[index];
  Win32Controls controls(window);
  const PrintLock lock(controls);
  if (const std::optional<HDC> printer = AskForPrinter(window)) {
    PrintPage(*printer, controls, result);
  }
}

}  // namespace corvanta
