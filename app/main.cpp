// Program entry: the main window of fixed size, centred on the screen, and
// its message loop.
#include <windows.h>

#include "resources/resource.h"
#include "settings/app_settings.h"

namespace {

// The saved constants, feed rate and gear stock: the controls' first texts.
corvanta::AppSettings appSettings;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showState) {
  appSettings = corvanta::LoadSettings();
  wchar_t title[100] = L"";
  wchar_t className[100] = L"";
  LoadStringW(instance, IDS_APP_TITLE, title, 100);
  LoadStringW(instance, IDS_WINDOW_CLASS, className, 100);

  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_CORVANTA));
  windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_SMALL));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
  windowClass.lpszMenuName = MAKEINTRESOURCEW(IDM_MENU_BAR);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);

  const int width = 900, height = 550;
  HWND window = CreateWindowExW(0, className, title, 0,
                                GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2,
                                GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, width, height,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 0;
  ShowWindow(window, showState);
  UpdateWindow(window);

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
