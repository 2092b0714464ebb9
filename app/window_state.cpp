#include "app/window_state.h"

namespace corvanta {

namespace {

// Where the window class keeps the address: the start of its extra memory.
constexpr int kWindowStateOffset = 0;

}  // namespace

void AttachWindowState(HWND window, WindowState* state) {
  SetWindowLongPtrW(window, kWindowStateOffset, reinterpret_cast<LONG_PTR>(state));
}

WindowState* WindowStateOf(HWND window) {
  if (window == nullptr) return nullptr;
  return reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, kWindowStateOffset));
}

}  // namespace corvanta
