// Program entry: reads the settings, opens the main window and runs the
// message loop until the window is destroyed.
#include <windows.h>

#include "app/main_window.h"
#include "app/window_state.h"
#include "resources/resource.h"
#include "settings/app_settings.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showState) {
  corvanta::WindowState state;
  state.startSettings = corvanta::LoadSettings();
  corvanta::RegisterMainWindowClass(instance);
  HWND window = corvanta::CreateMainWindow(instance, state);
  if (window == nullptr) return 0;
  ShowWindow(window, showState);
  UpdateWindow(window);

  // The program has no accelerator table: the handle stays null and
  // TranslateAcceleratorW never translates. Loading it keeps the loop ready
  // for one.
  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_MAIN_WINDOW));
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!TranslateAcceleratorW(message.hwnd, accelerators, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
