#include "app/list_pages.h"

#include <commctrl.h>

#include <array>
#include <cstring>

#include "app/child_control.h"
#include "app/win32_controls.h"
#include "app/win32_solve_platform.h"
#include "resources/resource.h"
#include "window_model/advice_page.h"
#include "window_model/result_list.h"

namespace corvanta {
namespace {

constexpr DWORD kList = WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
constexpr int kListLeft = 10, kListTop = 10, kListWidth = 870, kListHeight = 395;

// Every control of the list pages starts hidden.
constexpr ChildControl kPageControls[] = {
    {IDC_RESULT_LIST, WC_LISTVIEWA, "", kListLeft, kListTop, kListWidth, kListHeight, kList, 0},
    {IDC_RESULT_LIST_COPY, "Button", "Copy", 10, 416, 80, 23, WS_TABSTOP, 0},
    {IDC_ADVICE_LIST, WC_LISTVIEWA, "", kListLeft, kListTop, kListWidth, kListHeight, kList, 0},
    {IDC_ADVISE_BUTTON, "Button", "Advise", 10, 416, 80, 23, WS_TABSTOP | WS_DISABLED, 0},
    {IDC_PAIRS_TOO, "Button", "Pairs too", 100, 416, 95, 23, WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {IDC_ADVICE_COPY, "Button", "Copy", 200, 416, 80, 23, WS_TABSTOP, 0},
    {IDC_ADVICE_STATUS, "Static", "", 290, 419, 590, 20, SS_LEFT, 0},
};

// Widths in pixels, left to right, with room for a column's longest text.
constexpr std::array<int, kResultColumnCount> kResultColumnWidths = {55, 120, 120, 95, 95,
                                                                     95, 100, 90,  90};
constexpr std::array<int, kAdviceColumnCount> kAdviceColumnWidths = {140, 60,  95,  90,
                                                                     150, 110, 110, 70};

template <std::size_t N>
void AddColumns(HWND list, const std::array<std::string, N>& titles,
                const std::array<int, N>& widths) {
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (std::size_t k = 0; k < N; ++k) {
    std::wstring title(titles[k].begin(), titles[k].end());  // ASCII heads
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = k == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
    column.cx = widths[k];
    column.pszText = title.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, k, reinterpret_cast<LPARAM>(&column));
  }
}

void OnColumnClick(HWND window, const NMLISTVIEW& click) {
  Win32Controls controls(window);
  SolveSession& session = ProgramSolveSession();
  if (click.hdr.idFrom == IDC_RESULT_LIST)
    SortResultList(controls, session, static_cast<ResultColumn>(click.iSubItem));
  if (click.hdr.idFrom == IDC_ADVICE_LIST)
    SortAdviceList(controls, session, static_cast<AdviceColumn>(click.iSubItem));
}

void ShowRow(HWND window, int row) {
  Win32Controls controls(window);
  ShowListedResult(controls, ProgramSolveSession(), row);
}

// Enter: the row with the focus. (LVN_ITEMACTIVATE would come too on
// Windows, but Wine's list sends it only when NM_RETURN is answered.)
void OnReturn(HWND window, const NMHDR& header) {
  const auto row = static_cast<int>(
      SendMessageW(header.hwndFrom, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  if (row >= 0) ShowRow(window, row);
}

}  // namespace

void MakeListPages(HWND window) {
  for (const ChildControl& control : kPageControls) {
    HWND made = MakeChild(window, control);
    if (control.id == IDC_RESULT_LIST) AddColumns(made, ResultColumnTitles(), kResultColumnWidths);
    if (control.id == IDC_ADVICE_LIST) AddColumns(made, AdviceColumnTitles(), kAdviceColumnWidths);
  }
}

void OnListNotify(HWND window, const NMHDR& header) {
  if (header.idFrom != IDC_RESULT_LIST && header.idFrom != IDC_ADVICE_LIST) return;
  if (header.code == LVN_COLUMNCLICK)
    OnColumnClick(window, reinterpret_cast<const NMLISTVIEW&>(header));
  if (header.idFrom != IDC_RESULT_LIST) return;
  if (header.code == NM_DBLCLK)
    ShowRow(window, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
  if (header.code == NM_RETURN) OnReturn(window, header);
}

void OnCopyList(HWND window, int list) {
  const Win32Controls controls(window);
  const SolveSession& session = ProgramSolveSession();
  const std::optional<std::string> text =
      list == IDC_RESULT_LIST ? ResultListCopyText(controls, session) : AdviceCopyText(session);
  if (text) PutOnClipboard(window, *text);
}

void OnAdvise(HWND window) {
  RunSearchCommand(window,
                   [](ControlAccess& controls, SolvePlatform& platform, SolveSession& session) {
                     AdviseCommand(controls, platform, session);
                   });
}

bool PutOnClipboard(HWND window, const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (memory == nullptr) return false;
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  if (!OpenClipboard(window)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // The clipboard owns the memory once it has taken it.
  const bool taken = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!taken) GlobalFree(memory);
  return taken;
}

}  // namespace corvanta
