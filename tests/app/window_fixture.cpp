#include "app/window_fixture.h"

#include <commctrl.h>

#include "app/beep.h"
#include "app/main_window.h"
#include "resources/resource.h"

namespace corvanta::testing {
namespace {

void RecordBeep(unsigned type) { MainWindowFixture::Beeps().push_back(type); }

// What the popup hook saw.
HMENU openedMenu = nullptr;
PopupStates seenStates;
bool popupSeen = false;

bool ItemEnabled(HMENU menu, UINT item) {
  const UINT state = GetMenuState(menu, item, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

// Watches the messages the menu loop sends to the field: reads the items
// when the popup opens, and closes it as soon as the loop is idle.
LRESULT CALLBACK PopupHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const CWPSTRUCT& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (message.message == WM_INITMENUPOPUP) {
      openedMenu = reinterpret_cast<HMENU>(message.wParam);
      seenStates = {ItemEnabled(openedMenu, 1), ItemEnabled(openedMenu, 2)};
      popupSeen = true;
    }
    if (message.message == WM_ENTERIDLE && message.wParam == MSGF_MENU) EndMenu();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The message box of this thread, seen by the timer that answers it.
std::optional<MessageBoxSeen> boxSeen;

std::string WindowText(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

BOOL CALLBACK FindBoxText(HWND child, LPARAM seen) {
  char cls[32] = "";
  GetClassNameA(child, cls, sizeof cls);
  const std::string text = WindowText(child);
  if (lstrcmpiA(cls, "Static") == 0 && !text.empty())
    reinterpret_cast<MessageBoxSeen*>(seen)->text = text;
  return TRUE;
}

BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
  char cls[32] = "";
  GetClassNameA(window, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !IsWindowVisible(window)) return TRUE;
  MessageBoxSeen seen{WindowText(window), {}};
  EnumChildWindows(window, FindBoxText, reinterpret_cast<LPARAM>(&seen));
  boxSeen = seen;
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK LookForBox(HWND, UINT, UINT_PTR, DWORD) {
  if (!boxSeen) EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0);
}

}  // namespace

std::vector<unsigned>& MainWindowFixture::Beeps() {
  static std::vector<unsigned> beeps;
  return beeps;
}

void MainWindowFixture::SetUp() {
  Beeps().clear();
  SetBeepListener(RecordBeep);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterMainWindowClass(instance);
  window_ = CreateMainWindow(instance, StartSettings());
  ASSERT_NE(window_, nullptr);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  Pump();
}

void MainWindowFixture::TearDown() {
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
  // The window's quit message is not for the test runner.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
  SetBeepListener(nullptr);
}

std::string MainWindowFixture::Text(int id) const {
  char buffer[1024] = "";
  GetDlgItemTextA(window_, id, buffer, sizeof buffer);
  return buffer;
}

bool MainWindowFixture::Visible(int id) const {
  return (GetWindowLongPtrW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

int MainWindowFixture::Selection(int id) const {
  return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
}

int MainWindowFixture::SpinnerPosition(int id) const {
  return static_cast<int>(SendMessageW(Item(id), UDM_GETPOS32, 0, 0));
}

bool MainWindowFixture::MenuEnabled(int command) const {
  return ItemEnabled(GetMenu(window_), static_cast<UINT>(command));
}

bool MainWindowFixture::MenuBarItemEnabled(int position) const {
  const UINT state = GetMenuState(GetMenu(window_), static_cast<UINT>(position), MF_BYPOSITION);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

void MainWindowFixture::Pump() const {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void MainWindowFixture::Type(int field, const std::string& keys) {
  HWND edit = Item(field);
  for (char key : keys) {
    if (GetFocus() != edit) SetFocus(edit);
    const auto code = static_cast<unsigned char>(key);
    SendMessageW(edit, WM_CHAR, code, 1);
    const SHORT scan = VkKeyScanA(key);
    const WPARAM virtualKey = scan == -1 ? code : static_cast<WPARAM>(scan & 0xFF);
    // The key's release goes to the field with the focus by then: Tab may
    // have moved it to the field's partner.
    HWND released = GetFocus();
    if (released == nullptr || GetParent(released) != window_) released = edit;
    SendMessageW(released, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001));
    Pump();
  }
}

void MainWindowFixture::Retype(int field, const std::string& text) {
  SetFocus(Item(field));
  Select(field, 0, -1);
  Type(field, text.empty() ? std::string("\b") : text);
}

void MainWindowFixture::Select(int field, int start, int end) {
  SendMessageW(Item(field), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

std::pair<int, int> MainWindowFixture::SelectionOf(int field) const {
  DWORD start = 0, end = 0;
  SendMessageW(Item(field), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

void MainWindowFixture::Choose(int list, int row) {
  SendMessageW(Item(list), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Item(list)));
  Pump();
}

void MainWindowFixture::Click(int button) {
  SendMessageW(Item(button), BM_CLICK, 0, 0);
  Pump();
}

void MainWindowFixture::Menu(int command) {
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  Pump();
}

void MainWindowFixture::ClickSpinner(int spinner, bool up) {
  HWND control = Item(spinner);
  RECT area = {};
  GetClientRect(control, &area);
  const bool horizontal = (GetWindowLongPtrW(control, GWL_STYLE) & UDS_HORZ) != 0;
  // Vertical: the upper half raises the value; horizontal: the right half.
  const int x = horizontal ? (up ? area.right * 3 / 4 : area.right / 4) : area.right / 2;
  const int y = horizontal ? area.bottom / 2 : (up ? area.bottom / 4 : area.bottom * 3 / 4);
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Pump();
}

void MainWindowFixture::SetClipboard(const std::optional<std::string>& text) {
  ASSERT_TRUE(OpenClipboard(window_));
  EmptyClipboard();
  if (text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text->size() + 1);
    char* bytes = static_cast<char*>(GlobalLock(memory));
    memcpy(bytes, text->c_str(), text->size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
  }
  CloseClipboard();
}

PopupStates MainWindowFixture::OpenPopup(int field) {
  HWND edit = Item(field);
  RECT frame = {};
  GetWindowRect(edit, &frame);
  popupSeen = false;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, PopupHook, nullptr, GetCurrentThreadId());
  SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit),
               MAKELPARAM(frame.left + 100, frame.top + 10));
  UnhookWindowsHookEx(hook);
  Pump();
  EXPECT_TRUE(popupSeen) << "the popup did not open";
  return seenStates;
}

void MainWindowFixture::ChoosePopupItem(int field, UINT item) {
  SendMessageW(Item(field), WM_COMMAND, MAKEWPARAM(item, 0), 0);
  Pump();
}

std::optional<MessageBoxSeen> MainWindowFixture::AnswerMessageBox(
    const std::function<void()>& act) {
  boxSeen.reset();
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, LookForBox);
  act();
  KillTimer(nullptr, timer);
  return boxSeen;
}

COLORREF MainWindowFixture::ClientPixel(int x, int y) {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump();
  HDC dc = GetDC(window_);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window_, dc);
  return pixel;
}

void MainWindowFixture::EnterJob(const std::string& helix, const std::string& pitch, int teeth) {
  Retype(IDC_HELIX_ANGLE, helix);
  Retype(IDC_NORMAL_DIAMETRAL_PITCH, pitch);
  Choose(IDC_NUMBER_OF_TEETH, teeth - 1);
}

}  // namespace corvanta::testing
