// "Print ..." for real, under Wine: a window with the main page's controls,
// the printer dialog answered from inside the test (a thread timer fires in
// the dialog's own message loop), and the tests' file-backed PostScript
// printer as the default printer. The printed page is copied to
// printed_sheet.ps for the CTest step that turns it into a PNG.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include "app/win32_controls.h"
#include "print/print_job.h"
#include "results/result_display.h"
#include "search/solve_driver.h"
#include "tests/print/sheet_test_support.h"
#include "wine_printer.h"

namespace corvanta {
namespace {

// What the dialogs of one print command showed, and the window's state
// while the first of them was open.
struct DialogLog {
  bool pressOk = true;  // in the printer dialog; message boxes always get OK
  std::vector<std::wstring> captions;
  std::vector<std::wstring> texts;
  bool lockedWhileOpen = false;
  bool sawDialog = false;
};

DialogLog* activeLog = nullptr;
HWND testWindow = nullptr;
std::set<HWND> answered;

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

BOOL CALLBACK CollectText(HWND child, LPARAM) {
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  if (std::wstring(name) == L"Static") activeLog->texts.push_back(WindowText(child));
  return TRUE;
}

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
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) || answered.count(window)) {
    return TRUE;
  }
  answered.insert(window);
  if (!activeLog->sawDialog) activeLog->lockedWhileOpen = WindowLocked();
  activeLog->sawDialog = true;
  const std::wstring caption = WindowText(window);
  activeLog->captions.push_back(caption);
  EnumChildWindows(window, CollectText, 0);
  const bool printerDialog = caption == L"Print";
  PostMessageW(window, WM_COMMAND, printerDialog && !activeLog->pressOk ? IDCANCEL : IDOK, 0);
  return TRUE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerDialog, 0);
}

// Runs `command` with every dialog it opens answered.
template <typename Command>
DialogLog WithDialogsAnswered(bool pressOk, Command command) {
  DialogLog log;
  log.pressOk = pressOk;
  activeLog = &log;
  answered.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, OnTimer);
  command();
  KillTimer(nullptr, timer);
  activeLog = nullptr;
  return log;
}

bool Contains(const std::vector<std::wstring>& list, const std::wstring& wanted) {
  for (const std::wstring& item : list) {
    if (item == wanted) return true;
  }
  return false;
}

std::string ReadFileBytes(const wchar_t* path) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string data;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
  CloseHandle(file);
  return data;
}

// A window with the main page's controls under their identifiers, a menu
// bar of four items, and the regression job with its first result shown.
class PrintJob : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    MemoryControls memory(4);
    testing::SheetJob job;
    job.helix = "30";
    job.teeth = 40;
    testing::SetSheetJob(memory, job);
    testing::SetStockRange(memory, 30, 90);
    results_ = new std::vector<SolveResult>(testing::Solve(memory));
  }
  static void TearDownTestSuite() {
    delete results_;
    results_ = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(results_ != nullptr && !results_->empty());
    const std::string printer = testing::EnsureSheetPrinter();
    ASSERT_EQ(printer, "") << printer;

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
    window_ = CreateWindowExW(0, L"CorvantaPrintTestWindow", L"Corvanta print test",
                              WS_OVERLAPPEDWINDOW, 0, 0, 900, 550, nullptr, bar,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window_ != nullptr);
    testWindow = window_;

    const auto child = [this](const wchar_t* kind, int id, DWORD style = 0) {
      CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 60, 20, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleW(nullptr), nullptr);
    };
    for (ControlId id : ControlLockSet()) {
      if (id == IDC_NUMBER_OF_TEETH || id == IDC_HAND_CUT_CHOOSER) {
        child(L"ComboBox", id, CBS_DROPDOWNLIST | WS_VSCROLL);
      } else if (id == IDC_RESULT_SELECTOR || id == IDC_HOB_THREADS_SPINNER) {
        child(UPDOWN_CLASSW, id, UDS_HORZ);
      } else if (id >= IDC_INDEX_CONST && id <= IDC_FEED_RATE) {
        child(L"Edit", id);
      } else if (id == IDC_SOLVE_BUTTON || id == IDC_EXIT_BUTTON || id == IDC_WHOLE_C_ONLY) {
        child(L"Button", id);
      } else {
        child(L"Static", id);
      }
    }
    child(L"Static", IDC_C_LINE);

    HWND teeth = GetDlgItem(window_, IDC_NUMBER_OF_TEETH);
    for (int n = 1; n <= 500; ++n) {
      SendMessageW(teeth, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(n).c_str()));
    }
    SendMessageW(teeth, CB_SETCURSEL, 39, 0);
    HWND rows = GetDlgItem(window_, IDC_HAND_CUT_CHOOSER);
    for (int r = 0; r < 8; ++r) {
      SendMessageW(rows, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(r).c_str()));
    }
    SendMessageW(rows, CB_SETCURSEL, 0, 0);

    Win32Controls controls(window_);
    controls.SetText(IDC_INDEX_CONST, "30");
    controls.SetText(IDC_FEED_CONST, "0.075");
    controls.SetText(IDC_FEED_RATE, ".025");
    controls.SetText(IDC_HELIX_ANGLE, "30");
    controls.SetText(IDC_NORMAL_DIAMETRAL_PITCH, "10");
    controls.SetText(IDC_HOB_THREADS, "1");
    UpdateGeometry(controls);
    ShowResult(controls, *results_, 0);
    SendMessageW(GetDlgItem(window_, IDC_RESULT_SELECTOR), UDM_SETRANGE32, 1,
                 static_cast<LPARAM>(results_->size()));
    SetSelector(1);
    DeleteFileW(testing::kSheetPrinterOutput);
  }

  void TearDown() override {
    if (window_) DestroyWindow(window_);
    testWindow = nullptr;
  }

  void SetSelector(int position) {
    SendMessageW(GetDlgItem(window_, IDC_RESULT_SELECTOR), UDM_SETPOS32, 0, position);
  }

  DialogLog Print(bool pressOk, const std::vector<SolveResult>& results) {
    return WithDialogsAnswered(pressOk, [&] { PrintSelectedResult(window_, results); });
  }

  void ExpectUnlocked() {
    Win32Controls controls(window_);
    for (ControlId id : ControlLockSet()) EXPECT_TRUE(controls.IsEnabled(id)) << id;
    ASSERT_EQ(controls.MenuBarItemCount(), 4);
    for (int position = 0; position < 4; ++position) {
      EXPECT_TRUE(controls.IsMenuBarItemEnabled(position)) << position;
    }
  }

  // The printed file, once the spooler has written it (empty after 10 s).
  static std::string PrintedPage() {
    for (int i = 0; i < 100; ++i) {
      const std::string page = ReadFileBytes(testing::kSheetPrinterOutput);
      if (page.find("%%EOF") != std::string::npos) return page;
      Sleep(100);
    }
    return ReadFileBytes(testing::kSheetPrinterOutput);
  }

  static std::vector<SolveResult>* results_;
  HWND window_ = nullptr;
};
std::vector<SolveResult>* PrintJob::results_ = nullptr;

TEST_F(PrintJob, PrintsOnePageOfTheShownResultOnTheDefaultPrinter) {
  // Greyed by the page switch before the print; enabled again after it.
  Win32Controls(window_).EnableMenuBarItem(1, false);
  const DialogLog log = Print(true, *results_);
  ASSERT_TRUE(Contains(log.captions, L"Print")) << "no printer dialog";
  EXPECT_TRUE(log.lockedWhileOpen);
  EXPECT_FALSE(Contains(log.captions, L"Info"));
  ExpectUnlocked();

  const std::string page = PrintedPage();
  ASSERT_FALSE(page.empty()) << "nothing reached the printer's file";
  EXPECT_EQ(page.rfind("%!PS-Adobe", 0), 0u);
  EXPECT_NE(page.find("%%Title: Change Gears"), std::string::npos);
  EXPECT_NE(page.find("%%Pages: 1"), std::string::npos);
  EXPECT_NE(page.find("media=Letter"), std::string::npos) << "not a Letter page";
  EXPECT_TRUE(CopyFileW(testing::kSheetPrinterOutput, L"printed_sheet.ps", FALSE));
}

TEST_F(PrintJob, CancellingTheDialogPrintsNothingAndUnlocks) {
  const DialogLog log = Print(false, *results_);
  ASSERT_TRUE(Contains(log.captions, L"Print"));
  EXPECT_TRUE(log.lockedWhileOpen);
  EXPECT_EQ(log.captions.size(), 1u) << "something was reported";
  ExpectUnlocked();
  Sleep(500);
  EXPECT_EQ(ReadFileBytes(testing::kSheetPrinterOutput), "");
}

TEST_F(PrintJob, WithoutAPrinterNothingIsPrintedNorReported) {
  ASSERT_EQ(testing::RemoveAllPrinters(), "");
  if (testing::PrinterCount() != 0) GTEST_SKIP() << "the prefix keeps a printer it cannot delete";
  const DialogLog log = Print(true, *results_);
  const std::string restored = testing::EnsureSheetPrinter();
  EXPECT_EQ(restored, "") << restored;
  // Whatever the system's dialog says about the missing printer, the
  // program itself says nothing.
  EXPECT_FALSE(Contains(log.captions, L"Info"));
  EXPECT_FALSE(Contains(log.texts, L"Print error"));
  ExpectUnlocked();
  EXPECT_EQ(ReadFileBytes(testing::kSheetPrinterOutput), "");
}

TEST_F(PrintJob, NoResultOnDisplayIsAPrintErrorWithoutDialogOrLock) {
  ASSERT_GE(results_->size(), 2u);
  const std::vector<SolveResult> none;
  const std::vector<SolveResult> one(results_->begin(), results_->begin() + 1);
  const struct {
    int selector;
    const std::vector<SolveResult>* list;
  } cases[] = {{0, results_}, {1, &none}, {2, &one}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.selector);
    // A Solve without results leaves the selector's range empty, at 0.
    SendMessageW(GetDlgItem(window_, IDC_RESULT_SELECTOR), UDM_SETRANGE32, 0,
                 static_cast<LPARAM>(results_->size()));
    SetSelector(c.selector);
    const std::vector<SolveResult>& list = *c.list;
    const DialogLog log = Print(true, list);
    ASSERT_EQ(log.captions.size(), 1u);
    EXPECT_EQ(log.captions[0], L"Info");
    EXPECT_TRUE(Contains(log.texts, L"Print error"));
    EXPECT_FALSE(log.lockedWhileOpen);
    ExpectUnlocked();
  }
  EXPECT_EQ(ReadFileBytes(testing::kSheetPrinterOutput), "");
}

}  // namespace
}  // namespace corvanta
