#include <windows.h>
#include <commctrl.h>

#include "app/control_harness.h"
#include "app/win32_controls.h"
#include "resources/resource.h"

namespace corvanta::testing {
namespace {

const wchar_t kClassName[] = L"CorvantaControlTest";

HMENU MakeMenuBar() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, IDM_SAVE_SETTINGS, L"Save Settings");
  AppendMenuW(file, MF_STRING | MF_GRAYED, IDM_PRINT, L"Print ...");
  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_STRING, IDM_MAIN_PAGE, L"Main Page ...");
  AppendMenuW(bar, MF_STRING, IDM_CHANGE_GEARS_PAGE, L"Change-Gears Page ...");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"Help");
  return bar;
}

HWND Child(HWND parent, const char* cls, DWORD style, int id) {  // a visible child
  return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 60, 24, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

class Win32Harness : public ControlHarness {
 public:
  Win32Harness() {
    INITCOMMONCONTROLSEX common = {sizeof common, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&common);
    WNDCLASSEXW cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kClassName;
    RegisterClassExW(&cls);  // fails harmlessly the second time
    window_ = CreateWindowExW(0, kClassName, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                              MakeMenuBar(), cls.hInstance, nullptr);
    Child(window_, "Edit", 0, IDC_FEED_RATE);
    HWND list = Child(window_, "Combobox", CBS_DROPDOWNLIST | CBS_HASSTRINGS, IDC_NUMBER_OF_TEETH);
    for (const wchar_t* item : {L"1", L"2", L"3", L"4", L"5"})
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    Child(window_, "Button", BS_AUTOCHECKBOX, IDC_WHOLE_C_ONLY);
    Child(window_, "Button", 0, IDC_SOLVE_BUTTON);
    Child(window_, "Static", SS_LEFT, IDC_C_LINE);
    HWND buddy = Child(window_, "Static", SS_CENTER, IDC_HOB_THREADS);
    HWND spinner = Child(window_, "msctls_updown32", UDS_SETBUDDYINT, IDC_HOB_THREADS_SPINNER);
    SendMessageW(spinner, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageW(spinner, UDM_SETRANGE, 0, MAKELPARAM(24, 1));
    SendMessageW(spinner, UDM_SETPOS, 0, MAKELPARAM(1, 0));
    controls_ = std::make_unique<Win32Controls>(window_);
  }
  ~Win32Harness() override { DestroyWindow(window_); }

  ControlAccess& Controls() override { return *controls_; }
  void SelectRow(ControlId id, int row) override {
    SendMessageW(GetDlgItem(window_, id), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  }
  void Tick(ControlId id, bool checked) override {
    SendMessageW(GetDlgItem(window_, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  void PumpUntil(const std::function<bool()>& done) override {
    for (int i = 0; i < 5000 && !done(); ++i) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      // Sent messages from other threads arrive while we wait here.
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
  }

 private:
  HWND window_ = nullptr;
  std::unique_ptr<Win32Controls> controls_;
};

}  // namespace

std::unique_ptr<ControlHarness> MakeWin32Harness() { return std::make_unique<Win32Harness>(); }

}  // namespace corvanta::testing
