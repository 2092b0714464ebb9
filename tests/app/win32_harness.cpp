#include <windows.h>

#include "app/win32_controls.h"
#include "resources/resource.h"
#include "tests/app/control_harness.h"

namespace corvanta::testing {
namespace {

const wchar_t kClassName[] = L"CorvantaControlTest";

HMENU MakeMenuBar() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, IDM_SAVE_SETTINGS, L"Save Settings");
  AppendMenuW(file, MF_STRING | MF_GRAYED, IDM_PRINT, L"Print ...");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_STRING, IDM_MAIN_PAGE, L"Main Page ...");
  AppendMenuW(bar, MF_STRING, IDM_CHANGE_GEARS_PAGE, L"Change-Gears Page ...");
  AppendMenuW(bar, MF_STRING, IDM_EXIT, L"Exit");
  return bar;
}

HWND Child(HWND parent, const char* cls, DWORD style, int id) {  // a visible child
  return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 60, 24, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

class Win32Harness : public ControlHarness {
 public:
  Win32Harness() {
    WNDCLASSEXW cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kClassName;
    RegisterClassExW(&cls);  // fails harmlessly the second time
    window_ = CreateWindowExW(0, kClassName, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                              MakeMenuBar(), cls.hInstance, nullptr);
    Child(window_, "Edit", 0, IDC_FEED_RATE);
    Child(window_, "Button", 0, IDC_SOLVE_BUTTON);
    Child(window_, "Static", SS_LEFT, IDC_C_LINE);
    controls_ = std::make_unique<Win32Controls>(window_);
  }
  ~Win32Harness() override { DestroyWindow(window_); }

  ControlAccess& Controls() override { return *controls_; }

 private:
  HWND window_ = nullptr;
  std::unique_ptr<Win32Controls> controls_;
};

}  // namespace

std::unique_ptr<ControlHarness> MakeWin32Harness() { return std::make_unique<Win32Harness>(); }

}  // namespace corvanta::testing
