#include "app/win32_solve_platform.h"

#include <process.h>

#include <algorithm>

#include "app/beep.h"
#include "app/close_guard.h"
#include "app/win32_controls.h"
#include "app/window_state.h"

namespace corvanta {

namespace {

unsigned __stdcall WorkerThread(void* argument) {
  // The body was handed over on the heap; the thread owns it from here.
  auto* body = static_cast<std::function<void()>*>(argument);
  (*body)();
  delete body;
  return 0;
}

}  // namespace

Win32SolvePlatform::~Win32SolvePlatform() {
  // The driver always waits before it lets go of the platform; this only
  // keeps a misuse from leaving threads that outlive their contexts.
  while (!WaitForWorkers(kWaitSlice)) {
    PumpMessages();
  }
  CloseWorkers();
}

unsigned Win32SolvePlatform::LogicalProcessorCount() {
  // Machines with more than 64 logical processors have several processor
  // groups; the count of all of them is what the split should use.
  const DWORD all = GetActiveProcessorCount(ALL_PROCESSOR_GROUPS);
  if (all != 0) return static_cast<unsigned>(all);
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return static_cast<unsigned>(info.dwNumberOfProcessors);
}

bool Win32SolvePlatform::StartWorker(std::function<void()> body) {
  auto* owned = new std::function<void()>(std::move(body));
  const std::uintptr_t thread = _beginthreadex(nullptr, 0, WorkerThread, owned, 0, nullptr);
  if (thread == 0) {
    delete owned;
    return false;
  }
  running_.push_back(reinterpret_cast<HANDLE>(thread));
  return true;
}

bool Win32SolvePlatform::WaitForWorkers(std::chrono::milliseconds slice) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(slice.count());
  while (!running_.empty()) {
    const ULONGLONG now = GetTickCount64();
    const DWORD timeout = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
    const DWORD count =
        static_cast<DWORD>(std::min<std::size_t>(running_.size(), MAXIMUM_WAIT_OBJECTS));
    const DWORD result = WaitForMultipleObjects(count, running_.data(), FALSE, timeout);
    if (result < WAIT_OBJECT_0 + count) {
      // One ended: set it aside, so that the next wait covers the others
      // (and, beyond 64, the next of the group).
      const std::size_t index = result - WAIT_OBJECT_0;
      ended_.push_back(running_[index]);
      running_.erase(running_.begin() + static_cast<std::ptrdiff_t>(index));
      continue;
    }
    if (result == WAIT_TIMEOUT) return false;
    // WAIT_FAILED: look at each handle on its own; one that cannot be
    // waited on cannot be waited for either.
    bool anyEnded = false;
    for (std::size_t k = running_.size(); k-- > 0;) {
      if (WaitForSingleObject(running_[k], 0) != WAIT_TIMEOUT) {
        ended_.push_back(running_[k]);
        running_.erase(running_.begin() + static_cast<std::ptrdiff_t>(k));
        anyEnded = true;
      }
    }
    if (!anyEnded) {
      if (now >= deadline) return false;
      Sleep(1);
    }
  }
  return true;
}

void Win32SolvePlatform::CloseWorkers() {
  for (HANDLE handle : ended_) CloseHandle(handle);
  ended_.clear();
  // A progress text the workers left after the last pump is out of date:
  // the Solve writes its own texts from here on.
  if (WindowState* state = WindowStateOf(window_)) state->postedTexts.Take();
  RepostQuit();
}

bool Win32SolvePlatform::StopKeyHeld() {
  // The high bit: the key is down at this moment.
  return (GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0;
}

bool Win32SolvePlatform::PumpMessages() {
  if (WindowState* state = WindowStateOf(window_); state != nullptr && IsWindow(window_)) {
    // On the window's own thread, SetText writes at once.
    Win32Controls controls(window_);
    for (const auto& [id, text] : state->postedTexts.Take()) controls.SetText(id, text);
  }
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitSeen_ = true;
      quitCode_ = message.wParam;
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  const bool windowGone = window_ != nullptr && !IsWindow(window_);
  return !quitSeen_ && !windowGone;
}

void Win32SolvePlatform::StopAlert() { Beep(window_, kStopAlertBeep); }

void Win32SolvePlatform::Pause(std::chrono::milliseconds duration) {
  Sleep(static_cast<DWORD>(duration.count()));
}

void Win32SolvePlatform::RepostQuit() {
  if (!quitSeen_) return;
  quitSeen_ = false;
  PostQuitMessage(static_cast<int>(quitCode_));
}

void RunSearchCommand(HWND window, const SearchCommand& command) {
  SolveSession& session = ProgramSolveSession();
  if (SolveRunning(session)) return;
  SetFocus(nullptr);
  RunWhileBusy(window, [&] {
    Win32Controls controls(window);
    Win32SolvePlatform platform(window);
    command(controls, platform, session);
  });
}

}  // namespace corvanta
