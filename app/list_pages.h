// The two list pages of the main window: the results page and the
// gear-advice page. Their controls, the list views' notifications and the
// commands of their buttons; every rule behind them is in the window model.
#ifndef CORVANTA_APP_LIST_PAGES_H
#define CORVANTA_APP_LIST_PAGES_H

#include <windows.h>

#include <string>

namespace corvanta {

// The list views with their columns, the buttons, the check box and the
// status line, hidden until their page is chosen.
void MakeListPages(HWND window);

// A list view's notification: a click on a column head sorts its list;
// Enter or a double-click on a row of the results list shows that result.
void OnListNotify(HWND window, const NMHDR& header);

// "Copy" of either page: its list, as sorted, on the clipboard.
void OnCopyList(HWND window, int list);

// "Advise": the gear advice for the job and the stock, the window busy
// meanwhile.
void OnAdvise(HWND window);

// Puts `text` (8-bit) on the clipboard; false when the clipboard could not
// be had.
bool PutOnClipboard(HWND window, const std::string& text);

}  // namespace corvanta

#endif
