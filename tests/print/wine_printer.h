// The file-backed PostScript printer the print tests print on: Wine's own
// PostScript driver with a small Letter PPD, writing every job to a file.
// No print daemon is involved.
#ifndef CORVANTA_TESTS_PRINT_WINE_PRINTER_H
#define CORVANTA_TESTS_PRINT_WINE_PRINTER_H

#include <string>

namespace corvanta::testing {

inline constexpr const wchar_t* kSheetPrinterName = L"Corvanta Sheet PostScript";
// The printer's port: each job overwrites this file.
inline constexpr const wchar_t* kSheetPrinterOutput = L"C:\\corvanta-print\\sheet.ps";

// Installs the driver and the printer when missing and makes it the
// default printer. Harmless to repeat. Empty on success, else what failed.
std::string EnsureSheetPrinter();

// Deletes every printer of the prefix (for the no-printer case); the sheet
// printer comes back with EnsureSheetPrinter. Empty on success.
std::string RemoveAllPrinters();

// Printers the prefix knows.
int PrinterCount();

}  // namespace corvanta::testing

#endif
