// Reads the running program's window from another process, for the
// end-to-end run, which acts with the real mouse and keyboard.
//   window_probe dump      the window's rect and client origin, then every
//                          child control: ID CLASS e=ENABLED v=VISIBLE sel=N
//                          pos=N rect=LEFT,TOP,RIGHT,BOTTOM (screen) text=TEXT
//   window_probe dropped   the open drop-down list's rect
//   window_probe set ID TEXT      WM_SETTEXT to control ID
//   window_probe select ID N      item N (from 0) of combo box ID, as a
//                                 choice of the operator's (CBN_SELCHANGE)
//   window_probe solve            clicks "&Solve" and prints the seconds
//                                 until the click's message returned (the
//                                 window runs the whole Solve inside it),
//                                 then the C line
// Exit code 1 when the window (or the list) is not there.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "resources/resource.h"

namespace {

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

BOOL CALLBACK DumpChild(HWND child, LPARAM) {
  const std::string cls = ClassOf(child);
  // WM_GETTEXT itself: GetWindowText does not ask a window of another
  // process, and an edit keeps its text to itself.
  char text[512] = "";
  SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  RECT r = {};
  GetWindowRect(child, &r);
  long selection = -2, position = -2;
  if (cls == "ComboBox") selection = static_cast<long>(SendMessageW(child, CB_GETCURSEL, 0, 0));
  if (cls == "msctls_updown32")
    position = static_cast<long>(SendMessageW(child, UDM_GETPOS32, 0, 0));
  std::printf("%d %s e=%d v=%d sel=%ld pos=%ld rect=%ld,%ld,%ld,%ld text=%s\n", GetDlgCtrlID(child),
              cls.c_str(), IsWindowEnabled(child) ? 1 : 0,
              (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0 ? 1 : 0, selection, position,
              r.left, r.top, r.right, r.bottom, text);
  return TRUE;
}

BOOL CALLBACK FindDroppedList(HWND window, LPARAM found) {
  if (ClassOf(window) != "ComboLBox" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "dump";
  HWND main = FindWindowW(L"CORVANTA", nullptr);
  if (main == nullptr) return 1;
  RECT r = {};
  if (command == "dump") {
    GetWindowRect(main, &r);
    POINT client = {0, 0};
    ClientToScreen(main, &client);
    std::printf("window rect=%ld,%ld,%ld,%ld client=%ld,%ld\n", r.left, r.top, r.right, r.bottom,
                client.x, client.y);
    EnumChildWindows(main, DumpChild, 0);
    return 0;
  }
  const int id = argc == 4 ? std::atoi(argv[2]) : 0;
  HWND control = GetDlgItem(main, id);
  if (command == "set" && control != nullptr)
    return SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3])) ? 0 : 1;
  if (command == "select" && control != nullptr) {
    if (SendMessageW(control, CB_SETCURSEL, std::atoi(argv[3]), 0) == CB_ERR) return 1;
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
    return 0;
  }
  if (command == "solve") {
    HWND solve = GetDlgItem(main, IDC_SOLVE_BUTTON);
    if (solve == nullptr || !IsWindowEnabled(solve)) return 1;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    SendMessageW(solve, BM_CLICK, 0, 0);
    QueryPerformanceCounter(&end);
    char text[512] = "";
    SendMessageA(GetDlgItem(main, IDC_C_LINE), WM_GETTEXT, sizeof text,
                 reinterpret_cast<LPARAM>(text));
    std::printf("%.3f %s\n",
                static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart, text);
    return 0;
  }
  if (command != "dropped") return 2;
  HWND list = nullptr;
  EnumWindows(FindDroppedList, reinterpret_cast<LPARAM>(&list));
  if (list == nullptr) return 1;
  GetWindowRect(list, &r);
  std::printf("dropped rect=%ld,%ld,%ld,%ld\n", r.left, r.top, r.right, r.bottom);
  return 0;
}
