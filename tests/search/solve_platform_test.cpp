// The driver's platforms: starting workers, waiting for all of them in
// slices (more than 64 too), and, on Windows, the message pump's care for
// the program's quit message.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "search/thread_platform.h"
#ifdef _WIN32
#include "app/win32_solve_platform.h"
#endif

namespace corvanta {
namespace {

// Workers wait here until the test lets them go.
class Gate {
 public:
  void Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    opened_.wait(lock, [this] { return open_; });
  }
  void Open() {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = true;
    opened_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable opened_;
  bool open_ = false;
};

template <typename Platform>
class SolvePlatformTest : public ::testing::Test {
 protected:
  Platform platform;
};

#ifdef _WIN32
using Platforms = ::testing::Types<ThreadPlatform, Win32SolvePlatform>;
#else
using Platforms = ::testing::Types<ThreadPlatform>;
#endif
TYPED_TEST_SUITE(SolvePlatformTest, Platforms);

TYPED_TEST(SolvePlatformTest, NoWorkersMeansAllHaveEnded) {
  EXPECT_TRUE(this->platform.WaitForWorkers(std::chrono::milliseconds(0)));
  this->platform.CloseWorkers();
}

// Beyond 64 workers, the most a single wait on Windows can cover.
TYPED_TEST(SolvePlatformTest, WaitsForEveryWorkerInSlicesAndReturnsWhenTheLastEnds) {
  for (int workers : {1, 3, 64, 65, 100}) {
    SCOPED_TRACE(workers);
    Gate gate, lastGate;
    std::atomic<int> ran{0};
    for (int w = 0; w < workers; ++w) {
      // The last worker waits at a gate of its own, so it ends last.
      Gate& mine = w == workers - 1 ? lastGate : gate;
      ASSERT_TRUE(this->platform.StartWorker([&ran, &mine] {
        mine.Wait();
        ++ran;
      }));
    }
    EXPECT_FALSE(this->platform.WaitForWorkers(std::chrono::milliseconds(10)));
    gate.Open();
    // All but one end; the slice still runs out.
    while (ran.load() < workers - 1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(this->platform.WaitForWorkers(std::chrono::milliseconds(10)));
    lastGate.Open();
    // A slice far longer than any test run: the wait must end with the worker.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(this->platform.WaitForWorkers(std::chrono::hours(1)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::minutes(5));
    EXPECT_EQ(ran.load(), workers);
    this->platform.CloseWorkers();
    EXPECT_TRUE(this->platform.WaitForWorkers(std::chrono::milliseconds(0)));
  }
}

TEST(ThreadPlatform, GoingAwayWaitsForItsWorkers) {
  std::atomic<bool> ended{false};
  {
    ThreadPlatform platform;
    ASSERT_TRUE(platform.StartWorker([&ended] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      ended = true;
    }));
  }
  EXPECT_TRUE(ended.load());
}

#ifdef _WIN32
bool QuitWaiting(WPARAM* code) {
  MSG message;
  if (!PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  *code = message.wParam;
  return true;
}

// The program's loop must still see its quit message after a search whose
// pump took it out of the queue.
TEST(Win32SolvePlatform, AQuitMessageIsHeldBackUntilTheWorkersAreClosed) {
  Win32SolvePlatform platform;
  Gate gate;
  ASSERT_TRUE(platform.StartWorker([&gate] { gate.Wait(); }));
  PostQuitMessage(7);
  EXPECT_FALSE(platform.PumpMessages());
  WPARAM code = 0;
  EXPECT_FALSE(QuitWaiting(&code));
  gate.Open();
  while (!platform.WaitForWorkers(kWaitSlice)) {
  }
  platform.CloseWorkers();
  ASSERT_TRUE(QuitWaiting(&code));
  EXPECT_EQ(code, 7u);
}

TEST(Win32SolvePlatform, APumpForAWindowThatIsGoneReportsIt) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  Win32SolvePlatform platform(window);
  EXPECT_TRUE(platform.PumpMessages());
  DestroyWindow(window);
  EXPECT_FALSE(platform.PumpMessages());
}
#endif

}  // namespace
}  // namespace corvanta
