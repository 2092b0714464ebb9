// Reads the running program's window from another process, for the
// end-to-end run: the scripted operator acts with the real mouse and
// keyboard, and this tool reports what the window then shows.
//
//   window_probe dump          every child control, one line each:
//                              ID CLASS e=ENABLED v=VISIBLE sel=N pos=N
//                              rect=LEFT,TOP,RIGHT,BOTTOM (screen) text=TEXT
//   window_probe dropped       the open drop-down list, if any: its rect
//   window_probe box           the open message box: caption and text
//   window_probe box-ok        presses the message box's OK
// Exit code 1 when the window (or the box, or the list) is not there.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

HWND MainWindow() { return FindWindowW(L"CORVANTA", nullptr); }

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
  const bool visible = (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0;
  long selection = -2, position = -2;
  if (cls == "ComboBox") selection = static_cast<long>(SendMessageW(child, CB_GETCURSEL, 0, 0));
  if (cls == "msctls_updown32")
    position = static_cast<long>(SendMessageW(child, UDM_GETPOS32, 0, 0));
  std::printf("%d %s e=%d v=%d sel=%ld pos=%ld rect=%ld,%ld,%ld,%ld text=%s\n", GetDlgCtrlID(child),
              cls.c_str(), IsWindowEnabled(child) ? 1 : 0, visible ? 1 : 0, selection, position,
              r.left, r.top, r.right, r.bottom, text);
  return TRUE;
}

BOOL CALLBACK FindDroppedList(HWND window, LPARAM found) {
  if (ClassOf(window) == "ComboLBox" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND MessageBoxWindow() {
  HWND main = MainWindow();
  DWORD program = 0;
  GetWindowThreadProcessId(main, &program);
  for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box != nullptr;
       box = FindWindowExW(nullptr, box, L"#32770", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(box, &owner);
    if (owner == program && IsWindowVisible(box)) return box;
  }
  return nullptr;
}

BOOL CALLBACK PrintBoxText(HWND child, LPARAM) {
  if (ClassOf(child) == "Static") {
    char text[256] = "";
    SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    if (text[0] != '\0') std::printf("text=%s\n", text);
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "dump";
  HWND main = MainWindow();
  if (main == nullptr) return 1;
  if (command == "dump") {
    RECT r = {};
    GetWindowRect(main, &r);
    POINT client = {0, 0};
    ClientToScreen(main, &client);
    std::printf("window rect=%ld,%ld,%ld,%ld client=%ld,%ld\n", r.left, r.top, r.right, r.bottom,
                client.x, client.y);
    EnumChildWindows(main, DumpChild, 0);
    return 0;
  }
  if (command == "dropped") {
    HWND list = nullptr;
    EnumWindows(FindDroppedList, reinterpret_cast<LPARAM>(&list));
    if (list == nullptr) return 1;
    RECT r = {};
    GetWindowRect(list, &r);
    std::printf("dropped rect=%ld,%ld,%ld,%ld items=%ld\n", r.left, r.top, r.right, r.bottom,
                static_cast<long>(SendMessageW(list, LB_GETCOUNT, 0, 0)));
    return 0;
  }
  HWND box = MessageBoxWindow();
  if (box == nullptr) return 1;
  if (command == "box") {
    char caption[128] = "";
    GetWindowTextA(box, caption, sizeof caption);
    std::printf("caption=%s\n", caption);
    EnumChildWindows(box, PrintBoxText, 0);
    return 0;
  }
  if (command == "box-ok") {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
  }
  return 2;
}
