#include "app/create_controls.h"

#include <commctrl.h>

#include <string>

#include "app/child_control.h"
#include "app/font_fitting.h"
#include "app/list_pages.h"
#include "app/numeric_field.h"
#include "app/result_navigation.h"
#include "app/subclass.h"
#include "app/value_display.h"
#include "app/win32_controls.h"
#include "resources/resource.h"
#include "settings/gear_stock_text.h"
#include "settings/job_fields.h"
#include "window_model/field_controls.h"
#include "window_model/pages.h"

namespace corvanta {
namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_RIGHT;
constexpr DWORD kHead = WS_VISIBLE | WS_BORDER | SS_CENTER;
constexpr DWORD kTrainCell = WS_VISIBLE | SS_CENTER;
constexpr DWORD kLine = WS_VISIBLE | SS_LEFT;
constexpr DWORD kField = WS_VISIBLE;
constexpr DWORD kDropList = WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS;

constexpr const char* LabelOf(JobFieldId field) { return JobFieldOf(field).label; }

// Shown with a result only.
constexpr ChildControl kResultCaptions[] = {
    {IDC_RESULT_CAPTION, "Static", "Result:", 240, 218, 52, 22, SS_CENTER, 0},
    {IDC_INDEX_CAPTION, "Static", "Index:", 93, 395, 52, 22, SS_CENTER, 0},
    {IDC_FEED_CAPTION, "Static", "Feed:", 371, 395, 52, 22, SS_CENTER, 0},
};

// The typed fields (settings/job_fields.h): their text limits and first
// texts, the saved settings of the saved ones, come from their rows there.
constexpr ChildControl kFields[] = {
    {IDC_INDEX_CONST, "Edit", "", 125, 4, 65, 24, kField | ES_NUMBER, WS_EX_CLIENTEDGE},
    {IDC_FEED_CONST, "Edit", "", 125, 34, 310, 24, kField, WS_EX_CLIENTEDGE},
    {IDC_FEED_RATE, "Edit", "", 420, 4, 100, 24, kField, WS_EX_CLIENTEDGE},
    {IDC_HELIX_ANGLE, "Edit", "", 125, 64, 310, 24, kField, WS_EX_CLIENTEDGE},
    {IDC_NORMAL_DIAMETRAL_PITCH, "Edit", "", 150, 94, 310, 24, kField, WS_EX_CLIENTEDGE},
};

constexpr ChildControl kHandCutChooser = {
    IDC_HAND_CUT_CHOOSER, "Combobox", "", 32, 182, 530, 24, kDropList | CBS_OWNERDRAWFIXED, 0};
constexpr ChildControl kNumberOfTeeth = {IDC_NUMBER_OF_TEETH, "Combobox", "", 125, 125, 60, 24,
                                         kDropList,           0};

constexpr ChildControl kButtons[] = {
    // Enabled once the job is complete.
    {IDC_SOLVE_BUTTON, "Button", "&Solve", 555, 416, 80, 23, WS_VISIBLE | WS_DISABLED, 0},
    {IDC_EXIT_BUTTON, "Button", "E&xit", 650, 416, 80, 23, WS_VISIBLE, 0},
};

// Labels, train cells, the whole-C box, display lines and column heads, in
// the order they are made.
constexpr ChildControl kMainPageTexts[] = {
    {IDC_INDEX_CONST_LABEL, "Static", LabelOf(JobFieldId::kIndexConstant), 12, 5, 110, 22, kLabel,
     0},
    {IDC_FEED_CONST_LABEL, "Static", LabelOf(JobFieldId::kFeedConstant), 12, 35, 110, 22, kLabel,
     0},
    {IDC_HELIX_ANGLE_LABEL, "Static", LabelOf(JobFieldId::kHelixAngle), 12, 65, 110, 22, kLabel, 0},
    {IDC_NORMAL_DIAMETRAL_PITCH_LABEL, "Static", LabelOf(JobFieldId::kNormalPitch), 0, 95, 147, 22,
     kLabel, 0},
    {IDC_HOB_THREADS_LABEL, "Static", kHobThreadsField.label, 195, 5, 95, 22, kLabel, 0},
    {IDC_INDEX_UPPER_LEFT, "Static", "", 85, 414, 28, 18, kTrainCell, 0},
    {IDC_INDEX_LOWER_LEFT, "Static", "", 85, 437, 28, 18, kTrainCell, 0},
    {IDC_INDEX_UPPER_RIGHT, "Static", "", 124, 414, 28, 18, kTrainCell, 0},
    {IDC_INDEX_LOWER_RIGHT, "Static", "", 124, 437, 28, 18, kTrainCell, 0},
    {IDC_WHOLE_C_ONLY, "Button", "Use Whole C Constants Only", 570, 185, 220, 22,
     WS_VISIBLE | BS_AUTOCHECKBOX, 0},
    {IDC_FEED_UPPER_LEFT, "Static", "", 364, 414, 28, 18, kTrainCell, 0},
    {IDC_FEED_LOWER_LEFT, "Static", "", 364, 437, 28, 18, kTrainCell, 0},
    {IDC_FEED_UPPER_RIGHT, "Static", "", 404, 414, 28, 18, kTrainCell, 0},
    {IDC_FEED_LOWER_RIGHT, "Static", "", 404, 437, 28, 18, kTrainCell, 0},
    {IDC_C_LINE, "Static", "", 16, 243, 880, 22, kLine, 0},
    {IDC_INDEX_ERROR_LINE, "Static", "", 16, 287, 880, 22, kLine, 0},
    {IDC_PITCH_DIAMETER_LINE, "Static", "", 442, 65, 360, 22, kLine, 0},
    {IDC_OUTSIDE_DIAMETER_LINE, "Static", "", 500, 95, 360, 22, kLine, 0},
    {IDC_FEED_ERROR_LINE, "Static", "", 16, 309, 500, 22, kLine, 0},
    // Wraps like a multi-line edit: the actual feed and, below it, the
    // feed along the helix.
    {IDC_ACTUAL_FEED_TEXT, "Static", "", 525, 4, 268, 44, WS_VISIBLE | SS_RIGHT | SS_EDITCONTROL,
     0},
    {IDC_LEAD_LINE, "Static", "", 16, 265, 880, 22, kLine, 0},
    {IDC_NUMBER_OF_TEETH_LABEL, "Static", kNumberOfTeethField.label, 12, 131, 110, 20, kLabel, 0},
    {IDC_FEED_RATE_LABEL, "Static", LabelOf(JobFieldId::kFeedRate), 341, 5, 75, 22, kLabel, 0},
    {IDC_HOB_HEAD, "Static", "Hob", 32, 160, 71, 24, kHead, 0},
    {IDC_GEAR_HEAD, "Static", "Gear", 102, 160, 71, 24, kHead, 0},
    {IDC_TYPE_OF_CUT_HEAD, "Static", "Type of Cut", 172, 160, 101, 24, kHead, 0},
    {IDC_SIGN_HEAD, "Static", "Sign", 272, 160, 51, 24, kHead, 0},
    {IDC_WORK_HEAD, "Static", "Work", 322, 160, 61, 24, kHead, 0},
    {IDC_INDEX_STUDS_HEAD, "Static", "Index", 382, 160, 91, 24, kHead, 0},
    {IDC_FEED_STUDS_HEAD, "Static", "Feed", 472, 160, 90, 24, kHead, 0},
    {IDC_INTERMEDIATE_STUDS_HEAD, "Static", "Intermediate Studs", 382, 137, 180, 24, kHead, 0},
};

constexpr ChildControl kHobThreads = {IDC_HOB_THREADS,        "Static",        "1", 292, 5, 22, 22,
                                      WS_VISIBLE | SS_CENTER, WS_EX_STATICEDGE};

// The gear-stock grid: 11 columns of 14 cells, numbered down each column.
constexpr int kStockRows = 14;
constexpr int kStockColumns = 11;
constexpr int kStockLeft = 20, kStockColumnPitch = 75;
constexpr int kStockTop = 35, kStockRowPitch = 30;
static_assert(kStockRows * kStockColumns == GEAR_STOCK_CELL_COUNT);

HWND MakeSpinner(HWND window, int id, int x, int y, int width, int height, DWORD style) {
  return CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | style, x, y, width, height, window,
                         AsMenuId(id), GetModuleHandleW(nullptr), nullptr);
}

void Buddy(HWND spinner, HWND buddy, int lower, int upper) {
  SendMessageW(spinner, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageW(spinner, UDM_SETRANGE, 0,
               MAKELPARAM(static_cast<WORD>(upper), static_cast<WORD>(lower)));
}

void AddListItem(HWND list, const wchar_t* text) {
  SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void MakeFields(HWND window, const AppSettings& settings) {
  for (const ChildControl& control : kFields) {
    const JobField& field = *FieldInControl(control.id);
    // The limit applies to typing only: a longer saved text is kept whole.
    HWND edit = MakeChild(window, control, field.setting ? (settings.*field.setting).c_str() : "");
    SendMessageW(edit, EM_LIMITTEXT, field.typedLength, 0);
  }
}

void MakeLists(HWND window) {
  MakeChild(window, kHandCutChooser);
  HWND teeth = MakeChild(window, kNumberOfTeeth);
  for (int count = kNumberOfTeethField.low; count <= kNumberOfTeethField.high; ++count)
    AddListItem(teeth, std::to_wstring(count).c_str());
}

void MakeHobThreadsAndSelectors(HWND window) {
  HWND threads = MakeChild(window, kHobThreads);
  MakeSpinner(window, IDC_RESULT_SELECTOR, 243, 416, 40, 20, UDS_ARROWKEYS | UDS_HORZ);
  HWND spinner = MakeSpinner(window, IDC_HOB_THREADS_SPINNER, 314, 5, 20, 22,
                             WS_VISIBLE | UDS_ARROWKEYS | UDS_SETBUDDYINT);
  Buddy(spinner, threads, kHobThreadsField.low, kHobThreadsField.high);
}

void FillHandCutChooser(HWND window) {
  // The rows are drawn by the window (DrawSetupRow); their texts are unused.
  HWND chooser = GetDlgItem(window, IDC_HAND_CUT_CHOOSER);
  for (int row = 0; row < kSetupRowCount; ++row) AddListItem(chooser, L"");
  SendMessageW(chooser, CB_SETCURSEL, 0, 0);
}

void MakeGearStockCell(HWND window, int cell, const AppSettings& settings) {
  const int x = kStockLeft + kStockColumnPitch * (cell / kStockRows);
  const int y = kStockTop + kStockRowPitch * (cell % kStockRows);
  const std::string owned(GearStockCellText(settings.gearStockText, static_cast<size_t>(cell)));
  const std::string teeth = std::to_string(GEAR_STOCK_FIRST_TOOTH_COUNT + cell);
  const ChildControl value = {IDC_GEAR_STOCK_CELL_FIRST + cell, "Static",        "", x, y, 15, 22,
                              WS_VISIBLE | SS_CENTER,           WS_EX_STATICEDGE};
  const ChildControl caption = {
      IDC_GEAR_STOCK_CAPTION_FIRST + cell, "Static", "", x + 32, y, 30, 22, SS_CENTER, 0};

  HWND valueWindow = MakeChild(window, value, owned.c_str());
  HWND spinner = MakeSpinner(window, IDC_GEAR_STOCK_SPINNER_FIRST + cell, x + 16, y, 15, 22,
                             UDS_ARROWKEYS | UDS_SETBUDDYINT);
  MakeChild(window, caption, teeth.c_str());
  Buddy(spinner, valueWindow, 0, 1);
}

void InstallProcedures(HWND window) {
  for (const ChildControl& field : kFields)
    InstallSubclass(GetDlgItem(window, field.id), NumericFieldProc);
  InstallSubclass(GetDlgItem(window, IDC_HOB_THREADS), ValueDisplayProc);
  for (int cell = 0; cell < GEAR_STOCK_CELL_COUNT; ++cell)
    InstallSubclass(GetDlgItem(window, IDC_GEAR_STOCK_CELL_FIRST + cell), ValueDisplayProc);
  InstallSubclass(window, ResultNavigationProc);
}

}  // namespace

WindowFonts CreateControls(HWND window, const AppSettings& settings) {
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);

  for (const ChildControl& caption : kResultCaptions) MakeChild(window, caption);
  MakeFields(window, settings);
  MakeLists(window);
  for (const ChildControl& button : kButtons) MakeChild(window, button);
  for (const ChildControl& text : kMainPageTexts) MakeChild(window, text);
  MakeHobThreadsAndSelectors(window);
  FillHandCutChooser(window);

  for (int cell = 0; cell < GEAR_STOCK_CELL_COUNT; ++cell)
    MakeGearStockCell(window, cell, settings);
  MakeListPages(window);

  WindowFonts fonts = CreateWindowFonts();
  ApplyWindowFonts(window, fonts);
  FitWindowFonts(window, fonts);

  Win32Controls controls(window);
  ShowPage(controls, kMainPage);
  InstallProcedures(window);
  return fonts;
}

}  // namespace corvanta
