// Program entry: reads the settings, opens the main window and runs the
// message loop until the window is destroyed.
#include <windows.h>

#include "app/main_window.h"
#include "resources/resource.h"
#include "settings/app_settings.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showState) {
  const corvanta::AppSettings settings = corvanta::LoadSettings();
  corvanta::RegisterMainWindowClass(instance);
  HWND window = corvanta::CreateMainWindow(instance, settings);
  if (window == nullptr) return 0;
  ShowWindow(window, showState);
  UpdateWindow(window);

  // The program has no accelerator table: the handle stays null and
  // TranslateAcceleratorW never translates. Loading it keeps the loop ready
  // for one.
  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDM_MENU_BAR));
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!TranslateAcceleratorW(message.hwnd, accelerators, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
