// Starts the real program and checks its main window from outside, as the
// shop's operator first sees it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + std::wstring(CORVANTA_EXE) + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process_));
    WaitForInputIdle(process_.hProcess, 10000);
    for (int i = 0; i < 200 && window_ == nullptr; ++i) {
      window_ = FindWindowW(L"CORVANTA", nullptr);
      if (window_ == nullptr) Sleep(50);
    }
    ASSERT_NE(window_, nullptr) << "no window of class CORVANTA appeared";
  }

  void TearDown() override {
    if (process_.hProcess == nullptr) return;
    if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
      TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  PROCESS_INFORMATION process_ = {};
  HWND window_ = nullptr;
};

TEST_F(MainWindowTest, OpensCentredWithItsTitleAndFixedSize) {
  wchar_t title[100] = L"";
  GetWindowTextW(window_, title, 100);
  EXPECT_STREQ(title, L"Corvanta To Hob A Helical Gear");

  RECT frame = {};
  ASSERT_TRUE(GetWindowRect(window_, &frame));
  EXPECT_EQ(frame.right - frame.left, 900);
  EXPECT_EQ(frame.bottom - frame.top, 550);
  EXPECT_EQ(frame.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 450);
  EXPECT_EQ(frame.top, GetSystemMetrics(SM_CYSCREEN) / 2 - 275);

  // A plain overlapped window: no system menu, no size box, no min/max box.
  LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
  EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(GetMenu(window_), nullptr);
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgramWithCodeZero) {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  window_ = nullptr;
  ASSERT_EQ(WaitForSingleObject(process_.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process_.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

}  // namespace
