// The Windows program's worker threads beyond the 64 handles one wait can
// take: machines with more logical processors start more workers than that.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <vector>

#include "app/win32_solve_platform.h"

namespace corvanta {
namespace {

using std::chrono::milliseconds;

// Workers that block on their own event until the test lets them go. The
// platform is the last member, so that on any early return it is gone (it
// waits for every worker, all let go by then) before the events and the
// count the workers use.
class HeldWorkers {
 public:
  explicit HeldWorkers(int count) : events_{std::vector<HANDLE>(count)} {
    for (HANDLE& event : events_.handles) {
      event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
      HANDLE own = event;
      started_ += platform_.StartWorker([this, own] {
        WaitForSingleObject(own, INFINITE);
        ++ended_;
      });
    }
  }
  ~HeldWorkers() {
    for (HANDLE event : events_.handles) SetEvent(event);
  }
  void Release(int k) { SetEvent(events_.handles[k]); }
  int started() const { return started_; }
  int ended() const { return ended_; }
  Win32SolvePlatform& platform() { return platform_; }

 private:
  struct Events {
    std::vector<HANDLE> handles;
    ~Events() {
      for (HANDLE event : handles) CloseHandle(event);
    }
  } events_;
  int started_ = 0;
  std::atomic<int> ended_{0};
  Win32SolvePlatform platform_;
};

// Waits in the driver's way: slices until the platform says all have ended.
bool AllEndWithin(Win32SolvePlatform& platform, milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!platform.WaitForWorkers(milliseconds(20))) {
    if (std::chrono::steady_clock::now() > deadline) return false;
  }
  return true;
}

// For each count, one worker is held back while every other has ended: the
// wait must not call the workers done while it runs, whichever group of 64
// it is in, and must see the end of all of them once it is let go.
TEST(Win32SolvePlatform, WaitsForEveryWorkerInEveryGroupOf64) {
  const struct {
    int workers;
    int heldBack;
  } cases[] = {{65, 64}, {65, 0}, {130, 129}, {130, 70}, {200, 190}};
  for (const auto& c : cases) {
    HeldWorkers workers(c.workers);
    Win32SolvePlatform& platform = workers.platform();
    ASSERT_EQ(workers.started(), c.workers);
    // The last ones first, so that the later groups empty before the first.
    for (int k = c.workers; k-- > 0;) {
      if (k != c.heldBack) workers.Release(k);
    }
    for (int tries = 0; workers.ended() < c.workers - 1 && tries < 1000; ++tries) Sleep(10);
    ASSERT_EQ(workers.ended(), c.workers - 1);
    EXPECT_FALSE(platform.WaitForWorkers(milliseconds(100)))
        << c.workers << " workers, " << c.heldBack << " held";
    workers.Release(c.heldBack);
    EXPECT_TRUE(AllEndWithin(platform, milliseconds(10000)))
        << c.workers << " workers, " << c.heldBack << " held";
    EXPECT_EQ(workers.ended(), c.workers);
    platform.CloseWorkers();
  }
}

}  // namespace
}  // namespace corvanta
