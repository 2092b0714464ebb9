#include "app/beep.h"

#include "app/window_state.h"

namespace corvanta {

void Beep(HWND window, unsigned type) {
  const WindowState* state = WindowStateOf(window);
  if (state != nullptr && state->beepListener != nullptr) {
    state->beepListener(type);
    return;
  }
  MessageBeep(type);
}

}  // namespace corvanta
