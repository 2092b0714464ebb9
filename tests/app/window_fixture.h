// The real main window, made in the test's own process and driven with the
// window messages that the keyboard, the mouse and the menus send.
#ifndef CORVANTA_TESTS_APP_WINDOW_FIXTURE_H
#define CORVANTA_TESTS_APP_WINDOW_FIXTURE_H

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/beep.h"
#include "app/main_window.h"
#include "app/window_state.h"
#include "resources/resource.h"
#include "settings/app_settings.h"

namespace corvanta::testing {

inline bool MenuItemEnabled(HMENU menu, UINT item, UINT by) {
  const UINT state = GetMenuState(menu, item, by);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

inline std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A message box's text; a window's caption.
inline std::string MessageText(HWND box) {
  char text[512] = "";
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}
inline std::string Caption(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline std::vector<unsigned>& Beeps() {  // heard since the window opened
  static std::vector<unsigned> beeps;
  return beeps;
}

// The main window as the program makes it, from `state`, shown; its sounds
// go to Beeps().
inline HWND OpenMainWindow(WindowState& state) {
  Beeps().clear();
  state.beepListener = [](unsigned type) { Beeps().push_back(type); };
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterMainWindowClass(instance);
  HWND window = CreateMainWindow(instance, state);
  if (window != nullptr) ShowWindow(window, SW_SHOW);
  return window;
}

inline void CloseMainWindow(HWND window) {
  if (window != nullptr && IsWindow(window)) DestroyWindow(window);
  MSG message;  // the window's quit message is not for the test runner
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) continue;
}

class MainWindowFixture : public ::testing::Test {
 public:
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  std::string Text(int id) const {
    char buffer[1024] = "";
    GetDlgItemTextA(window_, id, buffer, sizeof buffer);
    return buffer;
  }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  bool Visible(int id) const {  // the control's own visibility flag
    return (GetWindowLongPtrW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
  }
  int SpinnerPosition(int id) const {
    return static_cast<int>(SendMessageW(Item(id), UDM_GETPOS32, 0, 0));
  }
  bool MenuEnabled(int command) const {
    return MenuItemEnabled(GetMenu(window_), static_cast<UINT>(command), MF_BYCOMMAND);
  }

 protected:
  void SetUp() override {
    state_.startSettings = StartSettings();
    window_ = OpenMainWindow(state_);
    ASSERT_NE(window_, nullptr);
    UpdateWindow(window_);
    Pump();
  }
  void TearDown() override { CloseMainWindow(window_); }
  virtual AppSettings StartSettings() const { return DefaultAppSettings(); }

  void Pump() const {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  // Each character as WM_CHAR then WM_KEYUP, with the focus in the field.
  // "\b" is Backspace, "\t" is Tab.
  void Type(int field, const std::string& keys) {
    HWND edit = Item(field);
    for (char key : keys) {
      if (GetFocus() != edit) SetFocus(edit);
      const auto code = static_cast<unsigned char>(key);
      SendMessageW(edit, WM_CHAR, code, 1);
      const SHORT scan = VkKeyScanA(key);
      // The release goes where the focus is by then: Tab may have moved it.
      HWND released = GetFocus();
      if (released == nullptr || GetParent(released) != window_) released = edit;
      SendMessageW(released, WM_KEYUP, scan == -1 ? code : static_cast<WPARAM>(scan & 0xFF),
                   static_cast<LPARAM>(0xC0000001));
      Pump();
    }
  }
  // Keys pressed and released on the keyboard (one SendInput), with the
  // focus in the field: each key of `chord` down in order, then all up in
  // reverse order. The keys come through the message loop as the operator's do.
  void Press(int field, const std::vector<WORD>& chord) {
    SetFocus(Item(field));
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD key, DWORD up) {
      INPUT input = {INPUT_KEYBOARD};
      input.ki.wVk = key;
      input.ki.dwFlags = up | (key == VK_INSERT || key == VK_DELETE ? KEYEVENTF_EXTENDEDKEY : 0);
      inputs.push_back(input);
    };
    for (const WORD key : chord) add(key, 0);
    for (auto key = chord.rbegin(); key != chord.rend(); ++key) add(*key, KEYEVENTF_KEYUP);
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
              inputs.size());
    Pump();
  }
  // Types `text` over the field's whole text ("": deletes it).
  void Retype(int field, const std::string& text) {
    SetFocus(Item(field));
    Select(field, 0, -1);
    Type(field, text.empty() ? std::string("\b") : text);
  }
  void Select(int field, int start, int end) {
    SendMessageW(Item(field), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
  }
  // A new row in a drop-down list, with the notification the list sends.
  void Choose(int list, int row) {
    SendMessageW(Item(list), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(list)));
    Pump();
  }
  void Click(int button) {
    SendMessageW(Item(button), BM_CLICK, 0, 0);
    Pump();
  }
  void Menu(int command) {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    Pump();
  }
  // `command` from the menu, each dialog it opens handed once to `answer`,
  // which may read it or fill it in and gives the button to press. A timer
  // of this thread finds the dialogs: their own message loops run it.
  void MenuAnswering(int command, std::function<int(HWND)> answer) {
    static std::function<int(HWND)> current;
    static std::set<HWND> answered;
    current = std::move(answer);
    answered.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
      EnumThreadWindows(
          GetCurrentThreadId(),
          [](HWND window, LPARAM) {
            char name[16] = "";
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) == "#32770" && IsWindowVisible(window) &&
                answered.insert(window).second)
              PostMessageW(window, WM_COMMAND, current(window), 0);
            return TRUE;
          },
          0);
    });
    Menu(command);
    KillTimer(nullptr, timer);
  }
  // A click on a spinner's arrow: up (right for a horizontal one) or down.
  void ClickSpinner(int spinner, bool up) {
    HWND control = Item(spinner);
    RECT area = {};
    GetClientRect(control, &area);
    const bool horizontal = (GetWindowLongPtrW(control, GWL_STYLE) & UDS_HORZ) != 0;
    const int x = horizontal ? (up ? area.right * 3 / 4 : area.right / 4) : area.right / 2;
    const int y = horizontal ? area.bottom / 2 : (up ? area.bottom / 4 : area.bottom * 3 / 4);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump();
  }
  void SetClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(window_));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
  }
  // The given helix angle, pitch and tooth count; the rest from the settings.
  void EnterJob(const std::string& helix, const std::string& pitch, int teeth) {
    Retype(IDC_HELIX_ANGLE, helix);
    Retype(IDC_NORMAL_DIAMETRAL_PITCH, pitch);
    Choose(IDC_NUMBER_OF_TEETH, teeth - 1);
  }

  WindowState state_;
  HWND window_ = nullptr;
};

// The window with a settings folder of the test's own (where "Save Settings"
// and the machines write), emptied before the window starts and removed
// after it has gone.
class OwnSettingsFolderFixture : public MainWindowFixture {
 protected:
  explicit OwnSettingsFolderFixture(const char* folder)
      : data_(std::filesystem::temp_directory_path() / folder) {}
  void SetUp() override {
    std::filesystem::remove_all(data_);
    state_.settingsDataFolder = data_.string();
    MainWindowFixture::SetUp();
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    std::error_code ec;
    std::filesystem::remove_all(data_, ec);
  }

  const std::filesystem::path data_;
};

// A stock of 30 to 59 teeth, on which the small job (helix 20, pitch 10, 20
// teeth) gives six results at once.
class SmallStockFixture : public MainWindowFixture {
 protected:
  AppSettings StartSettings() const override {
    AppSettings settings = DefaultAppSettings();
    settings.gearStockText = std::string(14, '0') + std::string(30, '1') + "0";
    return settings;
  }
  void SolveSmallJob() {
    EnterJob("20", "10", 20);
    ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON));
    Click(IDC_SOLVE_BUTTON);
    ASSERT_NE(Text(IDC_C_LINE), "") << "the small job found no result";
  }
};

}  // namespace corvanta::testing

#endif
