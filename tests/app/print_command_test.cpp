// "Print ..." for real, under Wine: the printer dialog answered from a
// thread timer, a file-backed PostScript printer as the default printer.
// The printed page is copied to printed_sheet.ps for the CTest PNG step,
// and the screen's lead line and the narrow formula lines as composed to
// printed_sheet.lines, which that step looks for in the page's text.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <winspool.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/print_command.h"
#include "app/win32_controls.h"
#include "print/setup_sheet.h"
#include "print/sheet_text.h"
#include "resources/resource.h"
#include "tests/support/window_job.h"
#include "window_model/control_roles.h"
#include "window_model/read_job.h"
#include "window_model/result_display.h"
#include "window_model/sheet_inputs.h"

namespace corvanta {
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
  PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<LPWSTR>(kPrinter), &printer, &access)) {
    PRINTER_INFO_2W info{};
    info.pPrinterName = info.pDriverName = const_cast<LPWSTR>(kPrinter);
    info.pPortName = const_cast<LPWSTR>(kOutput);
    info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
    info.pDatatype = const_cast<LPWSTR>(L"RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    printer = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (!printer) return "AddPrinterW failed";
  }
  // (Wine's DeletePrinterKeyW is not implemented: the key is removed where
  // the spooler keeps it.)
  RegDeleteTreeW(HKEY_LOCAL_MACHINE,
                 (std::wstring(L"System\\CurrentControlSet\\Control\\Print\\Printers\\") +
                  kPrinter + L"\\PrinterDriverData\\FontSubTable")
                     .c_str());
  ClosePrinter(printer);
  return SetDefaultPrinterW(kPrinter) ? "" : "SetDefaultPrinterW failed";
}

// Deletes every printer of the prefix; whether none is left.
bool RemoveAllPrinters() {
  DWORD needed = 0, count = 0;
  EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count);
  for (DWORD i = 0; i < count; ++i) {
    PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (OpenPrinterW(reinterpret_cast<PRINTER_INFO_4W*>(buffer.data())[i].pPrinterName, &printer,
                     &access)) {
      DeletePrinter(printer);
      ClosePrinter(printer);
    }
  }
  EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
  return needed == 0;
}

// The lines drawn in the narrow font, as UTF-8, each with the runs that
// continue it (the psi in its Symbol face).
std::vector<std::string> NarrowLines(const std::vector<SheetRun>& runs) {
  std::vector<std::string> lines;
  bool narrow = false;
  for (const SheetRun& run : runs) {
    if (run.positioned) narrow = run.font == SheetFontId::kNarrow;
    if (!narrow) continue;
    if (run.positioned) lines.emplace_back();
    if (run.font == SheetFontId::kGreek) {
      lines.back() += run.text == "y" ? "\u03c8" : "?";
      continue;
    }
    const std::u16string text = Windows1252ToUtf16(run.text);
    const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
    lines.back() += utf8.c_str();
  }
  return lines;
}

std::string ReadOutput() {
  std::ifstream in(std::filesystem::path(kOutput), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// How many of the lock set's controls and menu bar items are enabled.
size_t EnabledCount(HWND window) {
  Win32Controls controls(window);
  size_t enabled = 0;
  for (ControlId id : ControlLockSet()) enabled += controls.IsEnabled(id);
  for (int position = 0; position < controls.MenuBarItemCount(); ++position) {
    enabled += controls.IsMenuBarItemEnabled(position);
  }
  return enabled;
}

// The dialogs one print showed, answered OK (the printer dialog cancelled
// unless pressOk), and whether the window was locked while the first was open.
struct DialogLog {
  bool pressOk = true;
  std::vector<std::wstring> captions;
  bool lockedWhileOpen = false;
  bool Has(const wchar_t* caption) const {
    return std::find(captions.begin(), captions.end(), caption) != captions.end();
  }
} dialogs;
HWND testWindow = nullptr;
std::set<HWND> answered;

BOOL CALLBACK AnswerDialog(HWND window, LPARAM) {
  wchar_t name[64] = {}, caption[512] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) ||
      !answered.insert(window).second) {
    return TRUE;
  }
  if (dialogs.captions.empty()) dialogs.lockedWhileOpen = EnabledCount(testWindow) == 0;
  GetWindowTextW(window, caption, 512);
  dialogs.captions.push_back(caption);
  const bool cancel = dialogs.captions.back() == L"Print" && !dialogs.pressOk;
  PostMessageW(window, WM_COMMAND, cancel ? IDCANCEL : IDOK, 0);
  return TRUE;
}

// A window with the main page's controls, a menu bar of four items, and the
// first result of a job with a lead over 1000 inches shown.
class PrintJob : public ::testing::Test {
 protected:
  void SetUp() override {
    if (results_.empty()) {
      MemoryControls memory;
      results_ = testing::SolveSheetJob(memory, testing::LongLeadJob());
    }
    ASSERT_FALSE(results_.empty());
    ASSERT_EQ(EnsureSheetPrinter(), "") << GetLastError();
    INITCOMMONCONTROLSEX common{sizeof common, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    HMENU bar = CreateMenu();
    for (const wchar_t* title : {L"&File", L"&Main Page", L"&Change-Gears Page ...", L"&About"}) {
      HMENU popup = CreatePopupMenu();
      AppendMenuW(popup, MF_STRING, 40000, L"Item");
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title);
    }
    testWindow = CreateWindowExW(0, L"Static", L"Corvanta print test", WS_OVERLAPPEDWINDOW, 0, 0,
                                 900, 550, nullptr, bar, nullptr, nullptr);
    ASSERT_TRUE(testWindow != nullptr) << GetLastError();
    for (ControlId id : ControlLockSet()) {
      const bool combo = id == IDC_NUMBER_OF_TEETH || id == IDC_HAND_CUT_CHOOSER;
      const wchar_t* kind = combo                       ? L"ComboBox"
                            : id == IDC_RESULT_SELECTOR ? UPDOWN_CLASSW
                                                        : L"Static";
      CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE | (combo ? CBS_DROPDOWNLIST : 0), 0, 0,
                      60, 20, testWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      nullptr, nullptr);
    }
    const auto add = [](ControlId id, const wchar_t* item) {
      SendMessageW(GetDlgItem(testWindow, id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      SendMessageW(GetDlgItem(testWindow, id), CB_SETCURSEL, 0, 0);
    };
    const JobEntry job = testing::LongLeadJob();
    add(IDC_NUMBER_OF_TEETH, std::to_wstring(job.teeth).c_str());
    for (int row = 0; row < 8; ++row) add(IDC_HAND_CUT_CHOOSER, std::to_wstring(row).c_str());
    Win32Controls controls(testWindow);
    const std::pair<ControlId, std::string> texts[] = {
        {IDC_INDEX_CONST, job.settings.indexConstant}, {IDC_FEED_CONST, job.settings.feedConstant},
        {IDC_FEED_RATE, job.settings.feedRate},        {IDC_HELIX_ANGLE, job.helixAngle},
        {IDC_NORMAL_DIAMETRAL_PITCH, job.normalPitch}, {IDC_HOB_THREADS, job.hobThreads}};
    for (const auto& [id, text] : texts) controls.SetText(id, text);
    UpdateGeometry(controls);
    ShowResult(controls, results_, 0, SearchMethod::kFast);
    const HWND selector = GetDlgItem(testWindow, IDC_RESULT_SELECTOR);
    SendMessageW(selector, UDM_SETRANGE32, 1, static_cast<LPARAM>(results_.size()));
    SendMessageW(selector, UDM_SETPOS32, 0, 1);
    DeleteFileW(kOutput);
  }

  void TearDown() override { DestroyWindow(testWindow); }

  // "Print ..." with every dialog it opens answered.
  const DialogLog& Print(bool pressOk, const std::vector<SolveResult>& results) {
    dialogs = DialogLog{pressOk, {}, false};
    answered.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
      EnumThreadWindows(GetCurrentThreadId(), AnswerDialog, 0);
    });
    PrintSelectedResult(testWindow, results);
    KillTimer(nullptr, timer);
    return dialogs;
  }

  void ExpectUnlocked() { EXPECT_EQ(EnabledCount(testWindow), ControlLockSet().size() + 4); }

  static inline std::vector<SolveResult> results_;
};

TEST_F(PrintJob, PrintsOnePageOfTheShownResultOnTheDefaultPrinter) {
  Win32Controls(testWindow)
      .EnableMenuBarItem(1, false);  // greyed by the page switch; enabled after
  const DialogLog log = Print(true, results_);
  ASSERT_TRUE(log.Has(L"Print")) << "no printer dialog";
  EXPECT_TRUE(log.lockedWhileOpen);
  EXPECT_FALSE(log.Has(L"Info"));
  ExpectUnlocked();
  std::string page;  // once the spooler has written it
  for (int i = 0; i < 100 && page.find("%%EOF") == std::string::npos; ++i, Sleep(100)) {
    page = ReadOutput();
  }
  EXPECT_NE(page.find("%%Pages: 1"), std::string::npos);
  EXPECT_NE(page.find("media=Letter"), std::string::npos) << "not a Letter page";
  EXPECT_TRUE(CopyFileW(kOutput, L"printed_sheet.ps", FALSE));
  std::ofstream lines("printed_sheet.lines", std::ios::binary);
  lines << ReadWholeText(Win32Controls(testWindow), IDC_LEAD_LINE) << "\n";
  for (const std::string& line :
       NarrowLines(ComposeSetupSheet(ReadSheetInputs(Win32Controls(testWindow)), results_[0])))
    lines << line << "\n";
}

// Cancelled, no printer, or no result (then the "Info" box alone, without a
// lock): nothing printed, the window unlocked.
TEST_F(PrintJob, NothingIsPrintedWhenCancelledOrWithoutAPrinterOrAResult) {
  const std::vector<SolveResult> none;
  const struct {
    const char* name;
    const std::vector<SolveResult>* list;
    bool info;
  } cases[] = {{"cancelled", &results_, false},
               {"no result", &none, true},
               {"no printer", &results_, false}};  // last: it removes the printers
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const bool printerless = c.name == std::string("no printer");
    if (printerless && !RemoveAllPrinters()) GTEST_SKIP() << "the prefix keeps a printer";
    const DialogLog log = Print(printerless, *c.list);  // the printer dialog cancelled
    if (c.info) {
      EXPECT_EQ(log.captions, std::vector<std::wstring>{L"Info"});
      EXPECT_FALSE(log.lockedWhileOpen);
    } else {
      EXPECT_FALSE(log.Has(L"Info"));
      EXPECT_TRUE(printerless || (log.Has(L"Print") && log.lockedWhileOpen));
    }
    ExpectUnlocked();
    Sleep(500);
    EXPECT_EQ(ReadOutput(), "");
  }
  EXPECT_EQ(EnsureSheetPrinter(), "");
}

}  // namespace
}  // namespace corvanta
