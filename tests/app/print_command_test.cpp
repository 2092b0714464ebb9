// "Print ..." of the real window, under Wine: the printer dialog answered
// from a thread timer, a file-backed PostScript printer as the default
// printer. The printed page is copied to printed_sheet.ps for the CTest PNG
// step, and the screen's lead line and the narrow formula lines as composed
// to printed_sheet.lines, which that step looks for in the page's text.
#include <windows.h>

#include <winspool.h>

#include "app/win32_controls.h"
#include "print/setup_sheet.h"
#include "tests/app/window_fixture.h"
#include "tests/support/window_job.h"
#include "window_model/control_roles.h"
#include "window_model/read_job.h"
#include "window_model/sheet_inputs.h"
#include "window_model/solve_session.h"

namespace corvanta::testing {
namespace {

constexpr const wchar_t* kPrinter = L"Corvanta Sheet PostScript";
constexpr const wchar_t* kOutput = L"C:\\corvanta-print\\sheet.ps";  // each job overwrites it

// Installs Wine's PostScript driver with sheet_printer.ppd (Letter, 600 dpi)
// and the printer when missing, and makes it the default. The driver keeps
// its default font handling: no face is mapped onto a resident printer font,
// so the sheet's TrueType faces, the narrowed one too, are downloaded with
// the page. A mapping table left in the prefix by an earlier set-up is
// removed. "" or what failed.
std::string EnsureSheetPrinter() {
  wchar_t drivers[MAX_PATH] = {};
  DWORD size = 0;
  if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(drivers),
                                  sizeof drivers, &size)) {
    return "GetPrinterDriverDirectoryW failed";
  }
  const std::wstring folder = std::wstring(drivers) + L"\\3";
  CreateDirectoryW(folder.c_str(), nullptr);
  if (!CopyFileW(CORVANTA_PPD, (folder + L"\\corvanta-sheet.ppd").c_str(), FALSE)) {
    return "CopyFileW of the PPD failed";
  }
  DRIVER_INFO_3W driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<LPWSTR>(kPrinter);
  driver.pDriverPath = driver.pConfigFile = const_cast<LPWSTR>(L"wineps.drv");
  driver.pDataFile = const_cast<LPWSTR>(L"corvanta-sheet.ppd");
  if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES) &&
      GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    return "AddPrinterDriverExW failed";
  }
  CreateDirectoryW(L"C:\\corvanta-print", nullptr);
  PRINTER_INFO_2W info{};
  info.pPrinterName = info.pDriverName = const_cast<LPWSTR>(kPrinter);
  info.pPortName = const_cast<LPWSTR>(kOutput);
  info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
  info.pDatatype = const_cast<LPWSTR>(L"RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  const HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
  if (printer) {
    ClosePrinter(printer);
  } else if (GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
    return "AddPrinterW failed";
  }
  // (Wine's DeletePrinterKeyW is not implemented: the key is removed where
  // the spooler keeps it.)
  RegDeleteTreeW(HKEY_LOCAL_MACHINE,
                 (std::wstring(L"System\\CurrentControlSet\\Control\\Print\\Printers\\") +
                  kPrinter + L"\\PrinterDriverData\\FontSubTable")
                     .c_str());
  return SetDefaultPrinterW(kPrinter) ? "" : "SetDefaultPrinterW failed";
}

// The lines drawn in the narrow font, each with the runs that continue it:
// ASCII but for the psi in its Symbol face, written here in UTF-8.
std::vector<std::string> NarrowLines(const std::vector<SheetRun>& runs) {
  std::vector<std::string> lines;
  bool narrow = false;
  for (const SheetRun& run : runs) {
    if (run.positioned) narrow = run.font == SheetFontId::kNarrow;
    if (!narrow) continue;
    if (run.positioned) lines.emplace_back();
    const bool psi = run.font == SheetFontId::kGreek && run.text == "y";
    lines.back() += psi ? std::string("\u03c8") : run.text;
  }
  return lines;
}

// How many of the lock set's controls and menu bar items are enabled.
size_t EnabledCount(HWND window) {
  size_t enabled = 0;
  for (ControlId id : ControlLockSet()) enabled += IsWindowEnabled(GetDlgItem(window, id)) != 0;
  for (UINT item = 0; item < 4; ++item)
    enabled += MenuItemEnabled(GetMenu(window), item, MF_BYPOSITION);
  return enabled;
}

// The real window with the first result of a job with a lead over 1000
// inches shown.
class PrintJob : public MainWindowFixture {
 protected:
  AppSettings StartSettings() const override { return LongLeadJob().settings; }
  void SetUp() override {
    MainWindowFixture::SetUp();
    ASSERT_EQ(EnsureSheetPrinter(), "") << GetLastError();
    const JobEntry job = LongLeadJob();
    EnterJob(job.helixAngle, job.normalPitch, job.teeth);
    Click(IDC_SOLVE_BUTTON);
    ASSERT_FALSE(ProgramSolveSession().results.empty());
    DeleteFileW(kOutput);
  }

  // "Print ..." with every dialog it opens answered OK, or the printer
  // dialog cancelled: their captions, and whether the window was locked
  // while the first was open.
  std::vector<std::string> Print(bool cancel, bool* locked) {
    std::vector<std::string> captions;
    MenuAnswering(IDM_PRINT, [&](HWND dialog) {
      if (captions.empty()) *locked = EnabledCount(window_) == 0;
      captions.push_back(Caption(dialog));
      return captions.back() == "Print" && cancel ? IDCANCEL : IDOK;
    });
    return captions;
  }
};

// Cancelled, then printed: locked while the printer dialog is open, every
// item enabled after.
TEST_F(PrintJob, PrintsOnePageOfTheShownResultOnlyWhenConfirmed) {
  const size_t unlocked = ControlLockSet().size() + 4;
  for (const bool confirm : {false, true}) {
    SCOPED_TRACE(confirm);
    bool locked = false;
    EXPECT_EQ(Print(!confirm, &locked), std::vector<std::string>{"Print"});
    EXPECT_TRUE(locked);
    EXPECT_EQ(EnabledCount(window_), unlocked);
    std::string page;  // once the spooler has written it
    for (int i = 0; i < (confirm ? 100 : 5) && page.find("%%EOF") == std::string::npos;
         ++i, Sleep(100)) {
      page = FileBytes(kOutput);
    }
    if (!confirm) {
      EXPECT_EQ(page, "");
      continue;
    }
    EXPECT_NE(page.find("%%Pages: 1"), std::string::npos);
    EXPECT_NE(page.find("media=Letter"), std::string::npos) << "not a Letter page";
    EXPECT_TRUE(CopyFileW(kOutput, L"printed_sheet.ps", FALSE));
    const Win32Controls controls(window_);
    std::ofstream lines("printed_sheet.lines", std::ios::binary);
    lines << ReadWholeText(controls, IDC_LEAD_LINE) << "\n";
    const SolveResult& shown = ProgramSolveSession().results[0];
    for (const std::string& line : NarrowLines(ComposeSetupSheet(ReadSheetInputs(controls), shown)))
      lines << line << "\n";
  }
}

}  // namespace
}  // namespace corvanta::testing
