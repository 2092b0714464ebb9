// Subclassing as the program does it: the control's previous window
// procedure is kept in its user-data slot, and the new procedure hands on
// every message it does not swallow.
#ifndef CORVANTA_APP_SUBCLASS_H
#define CORVANTA_APP_SUBCLASS_H

#include <windows.h>

namespace corvanta {

inline void InstallSubclass(HWND window, WNDPROC procedure) {
  LONG_PTR previous =
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  SetWindowLongPtrW(window, GWLP_USERDATA, previous);
}

inline LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (previous == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return CallWindowProcW(previous, window, message, wParam, lParam);
}

}  // namespace corvanta

#endif
