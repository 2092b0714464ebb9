// "Print ..." for real, under Wine: a window with the main page's controls,
// the printer dialog answered from inside the test (a thread timer fires in
// the dialog's own message loop), and a file-backed PostScript printer as
// the default printer. The printed page is copied to printed_sheet.ps for
// the CTest step that turns it into a PNG.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <winspool.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/win32_controls.h"
#include "print/print_job.h"
#include "results/result_display.h"
#include "tests/print/sheet_test_support.h"

namespace corvanta {
namespace {

constexpr const wchar_t* kPrinter = L"Corvanta Sheet PostScript";
constexpr const wchar_t* kOutput = L"C:\\corvanta-print\\sheet.ps";  // each job overwrites it

// Wine's own PostScript driver with US Letter at 600 dpi and a printable
// area of 4800 x 6360 pixels. Helvetica and Symbol are resident and the
// printer maps Arial and Symbol onto them: with downloaded TrueType faces
// Wine's driver ignores a font's width (the squeezed Arial overlaps) and
// breaks the glyphs of Wine's Symbol face.
constexpr const char* kPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "CORVSHT.PPD"
*Manufacturer: "Corvanta"
*Product: "(Corvanta sheet test printer)"
*ModelName: "Corvanta sheet test printer"
*ShortNickName: "Corvanta sheet test printer"
*NickName: "Corvanta sheet test printer"
*PSVersion: "(3010.000) 550"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*LandscapeOrientation: Plus90
*TTRasterizer: Type42

*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize

*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion

*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 14.4 594 777.6"
*DefaultPaperDimension: Letter
*PaperDimension Letter/Letter: "612 792"

*OpenUI *Resolution/Output Resolution: PickOne
*OrderDependency: 20 AnySetup *Resolution
*DefaultResolution: 600dpi
*Resolution 600dpi/600 DPI: "<</HWResolution[600 600]>>setpagedevice"
*CloseUI: *Resolution

*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
*Font Helvetica: Standard "(001.006S)" Standard ROM
*Font Symbol: Special "(001.007S)" Special ROM
)ppd";

std::string Failed(const char* what) {
  return std::string(what) + " failed, error " + std::to_string(GetLastError());
}

// Installs the driver (its PPD in the drivers' version-3 folder) and the
// printer when missing and makes it the default. "" on success.
std::string EnsureSheetPrinter() {
  wchar_t drivers[MAX_PATH] = {};
  DWORD size = 0;
  if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(drivers),
                                  sizeof drivers, &size)) {
    return Failed("GetPrinterDriverDirectoryW");
  }
  const std::wstring folder = std::wstring(drivers) + L"\\3";
  CreateDirectoryW(folder.c_str(), nullptr);
  HANDLE ppd = CreateFileW((folder + L"\\corvanta-sheet.ppd").c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (ppd == INVALID_HANDLE_VALUE) return Failed("CreateFileW of the PPD");
  const BOOL wrote = WriteFile(ppd, kPpd, static_cast<DWORD>(std::strlen(kPpd)), &size, nullptr);
  CloseHandle(ppd);
  if (!wrote) return Failed("WriteFile of the PPD");
  DRIVER_INFO_3W driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<LPWSTR>(kPrinter);
  driver.pDriverPath = driver.pConfigFile = const_cast<LPWSTR>(L"wineps.drv");
  driver.pDataFile = const_cast<LPWSTR>(L"corvanta-sheet.ppd");
  if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES) &&
      GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    return Failed("AddPrinterDriverExW");
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
    if (!printer) return Failed("AddPrinterW");
  }
  for (const auto& [face, resident] :
       {std::pair{L"Arial", L"Helvetica"}, std::pair{L"Symbol", L"Symbol"}}) {
    if (SetPrinterDataExW(printer, L"PrinterDriverData\\FontSubTable", face, REG_SZ,
                          reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(resident)),
                          static_cast<DWORD>((std::wcslen(resident) + 1) * sizeof(wchar_t)))) {
      return "SetPrinterDataExW failed";
    }
  }
  ClosePrinter(printer);
  return SetDefaultPrinterW(kPrinter) ? "" : Failed("SetDefaultPrinterW");
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

std::string ReadFileBytes(const wchar_t* path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The captions of the dialogs one print command showed, and whether the
// window was locked while the first was open.
struct DialogLog {
  bool pressOk = true;  // in the printer dialog; other boxes always get OK
  std::vector<std::wstring> captions;
  bool lockedWhileOpen = false;
  bool Has(const wchar_t* caption) const {
    return std::find(captions.begin(), captions.end(), caption) != captions.end();
  }
};
DialogLog* activeLog = nullptr;
HWND testWindow = nullptr;
std::set<HWND> answered;

bool WindowLocked() {
  Win32Controls controls(testWindow);
  for (ControlId id : ControlLockSet()) {
    if (controls.IsEnabled(id)) return false;
  }
  for (int position = 0; position < controls.MenuBarItemCount(); ++position) {
    if (controls.IsMenuBarItemEnabled(position)) return false;
  }
  return true;
}

BOOL CALLBACK AnswerDialog(HWND window, LPARAM) {
  wchar_t name[64] = {}, caption[512] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) ||
      !answered.insert(window).second) {
    return TRUE;
  }
  if (activeLog->captions.empty()) activeLog->lockedWhileOpen = WindowLocked();
  GetWindowTextW(window, caption, 512);
  activeLog->captions.push_back(caption);
  const bool cancel = activeLog->captions.back() == L"Print" && !activeLog->pressOk;
  PostMessageW(window, WM_COMMAND, cancel ? IDCANCEL : IDOK, 0);
  return TRUE;
}

// A window with the main page's controls under their identifiers, a menu
// bar of four items, and the regression job with its first result shown.
class PrintJob : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    MemoryControls memory(4);
    results_ = testing::SolveRegressionJob(memory);
  }

  void SetUp() override {
    ASSERT_FALSE(results_.empty());
    ASSERT_EQ(EnsureSheetPrinter(), "");
    INITCOMMONCONTROLSEX common{sizeof common, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CorvantaPrintTestWindow";
    RegisterClassW(&windowClass);
    HMENU bar = CreateMenu();
    for (const wchar_t* title : {L"&File", L"&Main Page", L"&Change-Gears Page ...", L"&About"}) {
      HMENU popup = CreatePopupMenu();
      AppendMenuW(popup, MF_STRING, 40000, L"Item");
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title);
    }
    testWindow = window_ = CreateWindowExW(0, L"CorvantaPrintTestWindow", L"Corvanta print test",
                                           WS_OVERLAPPEDWINDOW, 0, 0, 900, 550, nullptr, bar,
                                           windowClass.hInstance, nullptr);
    ASSERT_TRUE(window_ != nullptr) << GetLastError();
    for (ControlId id : ControlLockSet()) {
      const bool combo = id == IDC_NUMBER_OF_TEETH || id == IDC_HAND_CUT_CHOOSER;
      const wchar_t* kind = combo ? L"ComboBox" : id == IDC_RESULT_SELECTOR ? UPDOWN_CLASSW : L"Static";
      CreateWindowExW(0, kind, L"",
                      WS_CHILD | WS_VISIBLE | (combo ? CBS_DROPDOWNLIST : 0), 0, 0, 60, 20, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    const auto add = [this](ControlId id, const wchar_t* item) {
      SendMessageW(GetDlgItem(window_, id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      SendMessageW(GetDlgItem(window_, id), CB_SETCURSEL, 0, 0);
    };
    add(IDC_NUMBER_OF_TEETH, L"40");
    for (int row = 0; row < 8; ++row) add(IDC_HAND_CUT_CHOOSER, std::to_wstring(row).c_str());
    Win32Controls controls(window_);
    const std::pair<ControlId, const char*> texts[] = {
        {IDC_INDEX_CONST, "30"}, {IDC_FEED_CONST, "0.075"}, {IDC_FEED_RATE, ".025"},
        {IDC_HELIX_ANGLE, "30"}, {IDC_NORMAL_DIAMETRAL_PITCH, "10"}, {IDC_HOB_THREADS, "1"}};
    for (const auto& [id, text] : texts) controls.SetText(id, text);
    UpdateGeometry(controls);
    ShowResult(controls, results_, 0);
    const HWND selector = GetDlgItem(window_, IDC_RESULT_SELECTOR);
    SendMessageW(selector, UDM_SETRANGE32, 1, static_cast<LPARAM>(results_.size()));
    SendMessageW(selector, UDM_SETPOS32, 0, 1);
    DeleteFileW(kOutput);
  }

  void TearDown() override {
    if (window_) DestroyWindow(window_);
    testWindow = nullptr;
  }

  // "Print ..." with every dialog it opens answered.
  DialogLog Print(bool pressOk, const std::vector<SolveResult>& results) {
    DialogLog log;
    log.pressOk = pressOk;
    activeLog = &log;
    answered.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
      EnumThreadWindows(GetCurrentThreadId(), AnswerDialog, 0);
    });
    PrintSelectedResult(window_, results);
    KillTimer(nullptr, timer);
    activeLog = nullptr;
    return log;
  }

  void ExpectUnlocked() {
    Win32Controls controls(window_);
    for (ControlId id : ControlLockSet()) EXPECT_TRUE(controls.IsEnabled(id)) << id;
    ASSERT_EQ(controls.MenuBarItemCount(), 4);
    for (int position = 0; position < 4; ++position) {
      EXPECT_TRUE(controls.IsMenuBarItemEnabled(position)) << position;
    }
  }

  static inline std::vector<SolveResult> results_;
  HWND window_ = nullptr;
};

TEST_F(PrintJob, PrintsOnePageOfTheShownResultOnTheDefaultPrinter) {
  Win32Controls(window_).EnableMenuBarItem(1, false);  // greyed by the page switch; enabled after
  const DialogLog log = Print(true, results_);
  ASSERT_TRUE(log.Has(L"Print")) << "no printer dialog";
  EXPECT_TRUE(log.lockedWhileOpen);
  EXPECT_FALSE(log.Has(L"Info"));
  ExpectUnlocked();
  std::string page;  // once the spooler has written it
  for (int i = 0; i < 100 && page.find("%%EOF") == std::string::npos; ++i, Sleep(100)) {
    page = ReadFileBytes(kOutput);
  }
  EXPECT_EQ(page.rfind("%!PS-Adobe", 0), 0u) << "nothing reached the printer's file";
  EXPECT_NE(page.find("%%Title: Change Gears"), std::string::npos);
  EXPECT_NE(page.find("%%Pages: 1"), std::string::npos);
  EXPECT_NE(page.find("media=Letter"), std::string::npos) << "not a Letter page";
  EXPECT_TRUE(CopyFileW(kOutput, L"printed_sheet.ps", FALSE));
}

// Cancelling the printer dialog, or printing with no printer at all, ends
// quietly: nothing printed, nothing reported, the window unlocked.
TEST_F(PrintJob, CancelledOrWithoutAPrinterNothingIsPrintedNorReported) {
  for (const bool printerless : {false, true}) {
    SCOPED_TRACE(printerless ? "no printer" : "cancelled");
    if (printerless && !RemoveAllPrinters()) GTEST_SKIP() << "the prefix keeps a printer";
    const DialogLog log = Print(printerless, results_);
    if (printerless) {
      EXPECT_EQ(EnsureSheetPrinter(), "");
    } else {
      EXPECT_TRUE(log.Has(L"Print"));
      EXPECT_TRUE(log.lockedWhileOpen);
    }
    EXPECT_FALSE(log.Has(L"Info"));
    ExpectUnlocked();
    Sleep(500);
    EXPECT_EQ(ReadFileBytes(kOutput), "");
  }
}

// With no result on display (the selector at 0, an empty list, or beyond
// the list) the "Info" box is all: no printer dialog, no lock.
TEST_F(PrintJob, NoResultOnDisplayIsAPrintError) {
  std::vector<SolveResult> none, one(results_.begin(), results_.begin() + 1);
  const HWND selector = GetDlgItem(window_, IDC_RESULT_SELECTOR);
  SendMessageW(selector, UDM_SETRANGE32, 0, static_cast<LPARAM>(results_.size()));
  for (const auto& [position, list] :
       {std::pair{0, &results_}, std::pair{1, &none}, std::pair{2, &one}}) {
    SendMessageW(selector, UDM_SETPOS32, 0, position);
    const DialogLog log = Print(true, *list);
    EXPECT_EQ(log.captions, std::vector<std::wstring>{L"Info"}) << position;
    EXPECT_FALSE(log.lockedWhileOpen) << position;
  }
  ExpectUnlocked();
  EXPECT_EQ(ReadFileBytes(kOutput), "");
}

}  // namespace
}  // namespace corvanta
