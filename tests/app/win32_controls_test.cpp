// The Win32 controls of the real main window hold to the contract that the
// window's rules, the native tests and the command-line solver rest on.
#include "app/win32_controls.h"

#include <windows.h>

#include <commctrl.h>

#include "app/main_window.h"
#include "app/window_state.h"
#include "settings/app_settings.h"
#include "tests/support/control_access_contract.h"

namespace corvanta::testing {

// The main window as the program creates it with the default settings,
// in the test's own process.
class Win32Harness {
 public:
  Win32Harness() = default;
  Win32Harness(const Win32Harness&) = delete;
  Win32Harness& operator=(const Win32Harness&) = delete;
  ~Win32Harness() {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
    MSG message;  // the window's quit message is not for the test runner
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) continue;
  }
  bool Start() {
    state_.startSettings = DefaultAppSettings();
    state_.beepListener = [](unsigned) {};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterMainWindowClass(instance);
    window_ = CreateMainWindow(instance, state_);
    if (window_ == nullptr) return false;
    controls_ = Win32Controls(window_);
    return true;
  }
  ControlAccess& controls() { return controls_; }
  void Choose(ControlId list, int row) {
    SendMessageW(GetDlgItem(window_, list), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  }
  void Tick(ControlId box, bool ticked) {
    SendMessageW(GetDlgItem(window_, box), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 private:
  WindowState state_;
  HWND window_ = nullptr;
  Win32Controls controls_{nullptr};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ControlAccessContract, Win32Harness);

}  // namespace corvanta::testing
