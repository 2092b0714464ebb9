// Starts the real program and checks its main window from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MainWindowTest, OpensCentredWithItsTitleAndFixedSizeAndClosesWithCodeZero) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::wstring commandLine = L"\"" + std::wstring(CORVANTA_EXE) + L"\"";
  ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process));
  WaitForInputIdle(process.hProcess, 10000);
  HWND window = nullptr;
  for (int i = 0; i < 200 && window == nullptr; ++i) {
    window = FindWindowW(L"CORVANTA", nullptr);
    if (window == nullptr) Sleep(50);
  }
  if (window != nullptr) {
    wchar_t title[100] = L"";
    GetWindowTextW(window, title, 100);
    EXPECT_STREQ(title, L"Corvanta To Hob A Helical Gear");
    RECT frame = {};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.right - frame.left, 900);
    EXPECT_EQ(frame.bottom - frame.top, 550);
    EXPECT_EQ(frame.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 450);
    EXPECT_EQ(frame.top, GetSystemMetrics(SM_CYSCREEN) / 2 - 275);
    // A plain overlapped window: no system menu, no size box, no min/max box.
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) &
                  (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0);
    EXPECT_NE(GetMenu(window), nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  EXPECT_NE(window, nullptr) << "no window of class CORVANTA appeared";
  DWORD code = 1;
  if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &code);
  else
    TerminateProcess(process.hProcess, 1);
  EXPECT_EQ(code, 0u) << "closing the window did not end the program with code 0";
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
