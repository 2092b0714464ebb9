#include "app/win32_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/window_state.h"

namespace corvanta {

namespace {

// Controls' texts are UTF-16; the computing code works on 8-bit text.
std::string Narrow(const wchar_t* wide) {
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1) return {};
  std::string text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), bytes, nullptr, nullptr);
  text.resize(static_cast<std::size_t>(bytes) - 1);
  return text;
}

std::wstring Widen(const std::string& text) {
  const int chars =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), chars);
  return wide;
}

// Whether `control` is a static text, whose text is its window text: the
// static control leaves WM_GETTEXT to DefWindowProc, which answers with it.
bool IsStaticText(HWND control) {
  wchar_t name[8] = L"";
  return GetClassNameW(control, name, 8) == 6 && lstrcmpiW(name, L"Static") == 0;
}

// A static's text as WM_GETTEXT into an 8-bit buffer of `size` gives it,
// read without the message. Sent, the message would pass every procedure
// the control has been subclassed with: the gear-stock cells and "Hob
// Threads:" are their spinners' buddies, and the spinner's subclass looks
// up its data in the window's properties, a call to the Wine server for
// each message (a Solve reads all 154 cells).
std::string StaticText(HWND control, std::size_t size) {
  std::vector<wchar_t> wide(size, L'\0');
  int length = InternalGetWindowText(control, wide.data(), static_cast<int>(size));
  const auto bytesOf = [&wide](int characters) {
    return WideCharToMultiByte(CP_ACP, 0, wide.data(), characters, nullptr, 0, nullptr, nullptr);
  };
  // The message converts into at most size - 1 bytes, and no further than
  // the last character that fits whole.
  int bytes = length > 0 ? bytesOf(length) : 0;
  while (length > 0 && static_cast<std::size_t>(bytes) > size - 1) bytes = bytesOf(--length);
  if (length <= 0 || bytes <= 0) return {};
  std::string text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, text.data(), bytes, nullptr, nullptr);
  return text;
}

}  // namespace

std::string Win32Controls::GetText(ControlId id, std::size_t size) const {
  if (size == 0) return {};
  HWND control = Item(id);
  if (IsStaticText(control)) return StaticText(control, size);
  std::vector<char> buffer(size, '\0');
  // What GetDlgItemTextA sends, to the control found through the window's
  // own table (Item).
  const auto length = static_cast<std::size_t>(
      SendMessageA(control, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer.data())));
  return std::string(buffer.data(), std::min(length, size - 1));
}

void Win32Controls::SetText(ControlId id, std::string_view text) {
  std::string terminated(text);
  WindowState* state = WindowStateOf(window_);
  if (state != nullptr && GetWindowThreadProcessId(window_, nullptr) != GetCurrentThreadId()) {
    state->postedTexts.Post(id, std::move(terminated));
    return;
  }
  SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

HWND Win32Controls::Item(ControlId id) const {
  if (const WindowState* state = WindowStateOf(window_)) {
    const auto found = state->children.find(id);
    if (found != state->children.end()) return found->second;
  }
  return GetDlgItem(window_, id);
}

std::optional<unsigned> Win32Controls::GetUnsigned(ControlId id) const {
  BOOL translated = FALSE;
  UINT value = GetDlgItemInt(window_, id, &translated, FALSE);
  if (!translated) return std::nullopt;
  return value;
}

void Win32Controls::Enable(ControlId id, bool enabled) { EnableWindow(Item(id), enabled); }

bool Win32Controls::IsEnabled(ControlId id) const { return IsWindowEnabled(Item(id)) != FALSE; }

void Win32Controls::Show(ControlId id, bool visible) {
  ShowWindow(Item(id), visible ? SW_SHOW : SW_HIDE);
}

bool Win32Controls::IsVisible(ControlId id) const {
  // The control's own visibility flag, whatever its parent's state.
  return (GetWindowLongPtrW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

int Win32Controls::GetSelection(ControlId id) const {
  return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
}

std::string Win32Controls::GetItemText(ControlId id, int row) const {
  HWND list = Item(id);
  LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length == CB_ERR || length <= 0) return {};
  std::vector<wchar_t> wide(static_cast<std::size_t>(length) + 1, L'\0');
  if (SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(wide.data())) == CB_ERR)
    return {};
  return Narrow(wide.data());
}

void Win32Controls::SetListRows(ControlId id, const std::vector<std::vector<std::string>>& rows) {
  HWND list = Item(id);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows.size()), 0);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t k = 0; k < rows[r].size(); ++k) {
      std::wstring text = Widen(rows[r][k]);
      LVITEMW item = {};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(r);
      item.iSubItem = static_cast<int>(k);
      item.pszText = text.data();
      SendMessageW(list, k == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, k == 0 ? 0 : r,
                   reinterpret_cast<LPARAM>(&item));
    }
  }
  // Each column as wide as its widest text, its head's included.
  const HWND head = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const auto columns = static_cast<int>(SendMessageW(head, HDM_GETITEMCOUNT, 0, 0));
  constexpr int kHeadMargin = 16;
  for (int column = 0; column < columns; ++column) {
    wchar_t title[64] = L"";
    LVCOLUMNW item = {};
    item.mask = LVCF_TEXT;
    item.pszText = title;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&item));
    const auto headWidth = static_cast<int>(
        SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(title)));
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE);
    const auto width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    if (width < headWidth + kHeadMargin)
      SendMessageW(list, LVM_SETCOLUMNWIDTH, column, headWidth + kHeadMargin);
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

int Win32Controls::ListRowCount(ControlId id) const {
  return static_cast<int>(SendMessageW(Item(id), LVM_GETITEMCOUNT, 0, 0));
}

std::string Win32Controls::GetListCell(ControlId id, int row, int column) const {
  HWND list = Item(id);
  if (row < 0 || row >= ListRowCount(id) || column < 0) return {};
  // Cells are short: a result's longest is some thirty characters.
  wchar_t buffer[256] = L"";
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 256;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return Narrow(buffer);
}

bool Win32Controls::IsChecked(ControlId id) const {
  return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Controls::SetSpinnerRange(ControlId id, int lower, int upper) {
  // Upper bound in the low half, lower bound in the high half.
  SendMessageW(Item(id), UDM_SETRANGE, 0,
               MAKELPARAM(static_cast<WORD>(upper), static_cast<WORD>(lower)));
}

void Win32Controls::SetSpinnerPosition(ControlId id, int position) {
  SendMessageW(Item(id), UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(position), 0));
}

int Win32Controls::GetSpinnerPosition(ControlId id) const {
  return static_cast<int>(SendMessageW(Item(id), UDM_GETPOS32, 0, 0));
}

void Win32Controls::EnableMenuCommand(int command, bool enabled) {
  EnableMenuItem(GetMenu(window_), static_cast<UINT>(command),
                 MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Win32Controls::IsMenuCommandEnabled(int command) const {
  UINT state = GetMenuState(GetMenu(window_), static_cast<UINT>(command), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

int Win32Controls::MenuBarItemCount() const { return GetMenuItemCount(GetMenu(window_)); }

void Win32Controls::EnableMenuBarItem(int position, bool enabled) {
  EnableMenuItem(GetMenu(window_), static_cast<UINT>(position),
                 MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Win32Controls::IsMenuBarItemEnabled(int position) const {
  UINT state = GetMenuState(GetMenu(window_), static_cast<UINT>(position), MF_BYPOSITION);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

void Win32Controls::RedrawMenuBar() {
  if (updateDepth_ > 0) {
    menuBarRedrawDue_ = true;
    return;
  }
  DrawMenuBarStrip();
}

void Win32Controls::DrawMenuBarStrip() const {
  MENUBARINFO bar = {};
  bar.cbSize = sizeof bar;
  if (!GetMenuBarInfo(window_, OBJID_MENU, 0, &bar)) {
    DrawMenuBar(window_);
    return;
  }
  // The strip in client coordinates: above the client area, in the frame.
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&bar.rcBar), 2);
  RedrawWindow(window_, &bar.rcBar, nullptr,
               RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void Win32Controls::Invalidate(int left, int top, int right, int bottom, bool erase) {
  RECT area = {left, top, right, bottom};
  InvalidateRect(window_, &area, erase ? TRUE : FALSE);
}

void Win32Controls::SetResultOnDisplay(bool onDisplay) {
  if (WindowState* state = WindowStateOf(window_)) state->resultOnDisplay = onDisplay;
}

bool Win32Controls::ResultOnDisplay() const {
  const WindowState* state = WindowStateOf(window_);
  return state != nullptr && state->resultOnDisplay;
}

void Win32Controls::BeginUpdate() { ++updateDepth_; }

void Win32Controls::EndUpdate() {
  if (updateDepth_ == 0 || --updateDepth_ > 0 || !menuBarRedrawDue_) return;
  menuBarRedrawDue_ = false;
  DrawMenuBarStrip();
}

}  // namespace corvanta
