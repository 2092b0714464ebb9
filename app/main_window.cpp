#include "app/main_window.h"

#include "app/close_guard.h"
#include "app/create_controls.h"
#include "app/list_pages.h"
#include "app/machines_menu.h"
#include "app/numeric_field.h"
#include "app/print_command.h"
#include "app/save_results.h"
#include "app/setup_row_drawing.h"
#include "app/win32_controls.h"
#include "app/win32_solve_platform.h"
#include "app/window_fonts.h"
#include "resources/resource.h"
#include "settings/app_settings.h"
#include "window_model/fraction_bars.h"
#include "window_model/job_changed.h"
#include "window_model/pages.h"
#include "window_model/result_list.h"
#include "window_model/settings_fields.h"
#include "window_model/solve_driver.h"

namespace corvanta {
namespace {

constexpr int kTitleLength = 100;
constexpr UINT kSetupRowHeight = 22;
constexpr int kMachinesMenuPosition = 1;

void OnNonClientCreate(HWND window, LPARAM lParam) {
  const auto& creation = *reinterpret_cast<const CREATESTRUCTW*>(lParam);
  AttachWindowState(window, static_cast<WindowState*>(creation.lpCreateParams));
}

// The window's own children only: a control's inner windows have
// identifiers of their own.
BOOL CALLBACK RecordChild(HWND child, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(lParam);
  if (GetParent(child) == window)
    WindowStateOf(window)->children.emplace(GetDlgCtrlID(child), child);
  return TRUE;
}

void OnCreate(HWND window) {
  WindowState& state = *WindowStateOf(window);
  state.fonts = CreateControls(window, state.startSettings);
  // The controls live as long as the window: found once, not at every use.
  state.children.clear();
  EnumChildWindows(window, RecordChild, reinterpret_cast<LPARAM>(window));
  UpdateMachineTitle(window);
}

void OnDestroy(HWND window) {
  // Should a Solve still run, its results are freed when it ends instead.
  ReleaseSolveResults(ProgramSolveSession());
  DeleteWindowFonts(WindowStateOf(window)->fonts);
  PostQuitMessage(0);
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  // The bars belong to a result on display, while its page is shown.
  if (Win32Controls(window).ResultOnDisplay() &&
      IsWindowVisible(GetDlgItem(window, IDC_RESULT_CAPTION))) {
    for (const FractionBar& bar : kFractionBars) {
      MoveToEx(dc, bar.LineFromX(), bar.LineY(), nullptr);
      LineTo(dc, bar.LineToX(), bar.LineY());
    }
  }
  EndPaint(window, &paint);
}

void OnDrawItem(WPARAM id, LPARAM lParam) {
  if (id == IDC_HAND_CUT_CHOOSER) DrawSetupRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
}

void OnMeasureItem(WPARAM id, LPARAM lParam) {
  if (id == IDC_HAND_CUT_CHOOSER)
    reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kSetupRowHeight;
}

// "&Solve": the focus taken from every control, one whole Solve (which shows
// its first result); a close asked for meanwhile waits for it. Ignored while
// a Solve runs.
void OnSolve(HWND window) {
  RunSearchCommand(window,
                   [](ControlAccess& controls, SolvePlatform& platform, SolveSession& session) {
                     SolveCommand(controls, platform, session);
                   });
}

void OnTeethListCommand(HWND window, WORD notification) {
  if (notification != CBN_SELCHANGE) return;
  Win32Controls controls(window);
  JobChanged(controls, GeometryChange::kGeometry);
}

void OnHandCutChooserCommand(HWND window, WORD notification) {
  if (notification != CBN_SELCHANGE) return;
  Win32Controls controls(window);
  JobChanged(controls, GeometryChange::kNone);
  // The closed box then shows the chosen row without the focus look.
  SetFocus(nullptr);
}

void OnWholeCClicked(HWND window) {
  Win32Controls controls(window);
  JobChanged(controls, GeometryChange::kNone);
}

void OnPageCommand(HWND window, int page) {
  Win32Controls controls(window);
  PageCommand(controls, page);
}

void OnResultsPage(HWND window) {
  Win32Controls controls(window);
  ResultsPageCommand(controls, ProgramSolveSession());
}

void OnPrint(HWND window) {
  RunWhileBusy(window, [&] { PrintSelectedResult(window, ProgramSolveSession().results); });
}

// "Save Settings": a save that fails says why, in one box; the window keeps
// its values either way.
void OnSaveSettings(HWND window) {
  const std::string problem =
      SaveSettings(ReadSettingsFields(Win32Controls(window)), SystemProfileStore(),
                   WindowStateOf(window)->settingsDataFolder);
  if (!problem.empty()) {
    MessageBoxA(window, ("Settings were not saved: " + problem).c_str(), "Info",
                MB_OK | MB_ICONWARNING);
  }
}

void OnMachineFieldChanged(HWND window, int field) {
  OnNumericFieldChanged(GetDlgItem(window, field));
  UpdateMachineTitle(window);
}

// The "Machines" popup, second on the menu bar, is made as it opens.
void OnInitMenuPopup(HWND window, WPARAM popup) {
  HMENU machines = GetSubMenu(GetMenu(window), kMachinesMenuPosition);
  if (reinterpret_cast<HMENU>(popup) == machines) OnMachinesPopup(window, machines);
}

void OnMenuSelect(HWND window) {
  Win32Controls controls(window);
  UpdateSaveSettingsItem(controls);
}

void OnCommand(HWND window, WPARAM wParam) {
  const WORD notification = HIWORD(wParam);
  switch (LOWORD(wParam)) {
    case IDC_SOLVE_BUTTON: OnSolve(window); break;
    case IDC_EXIT_BUTTON: CloseMainWindow(window); break;
    case IDC_NUMBER_OF_TEETH: OnTeethListCommand(window, notification); break;
    case IDC_HAND_CUT_CHOOSER: OnHandCutChooserCommand(window, notification); break;
    case IDC_WHOLE_C_ONLY: OnWholeCClicked(window); break;
    case IDC_INDEX_CONST:
    case IDC_FEED_CONST:
    case IDC_FEED_RATE:
      // A machine's values: the title says whether the window still holds them.
      if (notification == EN_CHANGE) OnMachineFieldChanged(window, LOWORD(wParam));
      break;
    case IDC_HELIX_ANGLE:
    case IDC_NORMAL_DIAMETRAL_PITCH:
      if (notification == EN_CHANGE) OnNumericFieldChanged(GetDlgItem(window, LOWORD(wParam)));
      break;
    case IDM_EXIT: CloseMainWindow(window); break;
    case IDM_MAIN_PAGE: OnPageCommand(window, kMainPage); break;
    case IDM_CHANGE_GEARS_PAGE: OnPageCommand(window, kChangeGearsPage); break;
    case IDM_RESULTS_PAGE: OnResultsPage(window); break;
    case IDM_GEAR_ADVICE_PAGE: OnPageCommand(window, kGearAdvicePage); break;
    case IDM_SAVE_RESULTS_AS: OnSaveResultsAs(window); break;
    case IDC_RESULT_LIST_COPY: OnCopyList(window, IDC_RESULT_LIST); break;
    case IDC_ADVICE_COPY: OnCopyList(window, IDC_ADVICE_LIST); break;
    case IDC_ADVISE_BUTTON: OnAdvise(window); break;
    case IDM_PRINT: OnPrint(window); break;
    case IDM_SAVE_SETTINGS: OnSaveSettings(window); break;
    case IDM_SAVE_AS_MACHINE: OnSaveAsMachine(window); break;
    case IDM_DELETE_MACHINE: OnDeleteMachine(window); break;
    default:
      if (LOWORD(wParam) >= IDM_MACHINE_FIRST && LOWORD(wParam) < IDM_MACHINE_LIMIT)
        OnChooseMachine(window, LOWORD(wParam) - IDM_MACHINE_FIRST);
      break;
  }
}

}  // namespace

void RegisterMainWindowClass(HINSTANCE instance) {
  wchar_t className[kTitleLength] = L"";
  LoadStringW(instance, IDR_MAIN_WINDOW, className, kTitleLength);
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.cbWndExtra = kWindowStateBytes;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_CORVANTA));
  windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_SMALL));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
  windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_WINDOW);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

HWND CreateMainWindow(HINSTANCE instance, WindowState& state) {
  wchar_t title[kTitleLength] = L"";
  wchar_t className[kTitleLength] = L"";
  LoadStringW(instance, IDS_APP_TITLE, title, kTitleLength);
  LoadStringW(instance, IDR_MAIN_WINDOW, className, kTitleLength);
  // Style 0: a caption and a border, but no system menu and no size box.
  return CreateWindowExW(0, className, title, 0,
                         GetSystemMetrics(SM_CXSCREEN) / 2 - kMainWindowWidth / 2,
                         GetSystemMetrics(SM_CYSCREEN) / 2 - kMainWindowHeight / 2,
                         kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, &state);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: OnNonClientCreate(window, lParam); break;
    case WM_CREATE: OnCreate(window); break;
    case WM_DESTROY: OnDestroy(window); break;
    case WM_CLOSE: CloseMainWindow(window); return 0;
    case WM_PAINT: OnPaint(window); break;
    case WM_DRAWITEM: OnDrawItem(wParam, lParam); break;
    case WM_MEASUREITEM: OnMeasureItem(wParam, lParam); break;
    case WM_COMMAND: OnCommand(window, wParam); break;
    case WM_NOTIFY: OnListNotify(window, *reinterpret_cast<const NMHDR*>(lParam)); break;
    case WM_MENUSELECT: OnMenuSelect(window); break;
    case WM_INITMENUPOPUP: OnInitMenuPopup(window, wParam); break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace corvanta
