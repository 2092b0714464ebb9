// Dialogs of the window's own process (the common save dialog, message
// boxes, the program's own), answered on another thread as the operator
// would answer them while the window's thread runs the dialog's loop.
#ifndef CORVANTA_TESTS_APP_DIALOG_ANSWER_H
#define CORVANTA_TESTS_APP_DIALOG_ANSWER_H

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cwchar>
#include <functional>
#include <thread>

namespace corvanta::testing {

// A visible dialog of this process with `title` (and a control `control`,
// unless 0), found without sending any window a message (the window's
// thread may be waiting for us).
HWND FindDialog(const wchar_t* title, int control = 0) {
  struct Search {
    const wchar_t* title;
    int control;
    HWND found;
  } search = {title, control, nullptr};
  EnumWindows(
      [](HWND window, LPARAM lParam) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(lParam);
        wchar_t name[16] = L"", text[128] = L"";
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        GetClassNameW(window, name, 16);
        InternalGetWindowText(window, text, 128);
        if (process != GetCurrentProcessId() || wcscmp(name, L"#32770") != 0 ||
            wcscmp(text, s.title) != 0 || !IsWindowVisible(window) ||
            (s.control != 0 && GetDlgItem(window, s.control) == nullptr))
          return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The dialog with `title`, answered on another thread while the window's
// thread runs the dialog's own message loop.
class DialogAnswer {
 public:
  DialogAnswer(const wchar_t* title, std::function<void(HWND)> answer, int control = 0)
      : thread_([this, title, answer, control] {
          for (int tries = 0; tries < 1500 && !done_; ++tries) {
            if (HWND dialog = FindDialog(title, control)) {
              answer(dialog);
              found_ = true;
              return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
          }
        }) {}
  ~DialogAnswer() {
    done_ = true;
    thread_.join();
  }
  bool Found() const { return found_; }

 private:
  std::atomic<bool> done_{false}, found_{false};
  std::thread thread_;
};

}  // namespace corvanta::testing

#endif
