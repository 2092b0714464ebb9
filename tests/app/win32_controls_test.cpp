// The Win32 controls of the real main window hold to the contract that the
// window's rules, the native tests and the command-line solver rest on.
#include "app/win32_controls.h"

#include "tests/app/window_fixture.h"
#include "tests/support/control_access_contract.h"

namespace corvanta::testing {

// The main window as the program creates it with the default settings,
// in the test's own process.
class Win32Harness {
 public:
  ~Win32Harness() { CloseMainWindow(window_); }
  bool Start() {
    state_.startSettings = DefaultAppSettings();
    window_ = OpenMainWindow(state_);
    controls_ = Win32Controls(window_);
    return window_ != nullptr;
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
