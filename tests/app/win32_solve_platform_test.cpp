// The Windows program's worker threads beyond the 64 handles one wait can
// take: machines with more logical processors start more workers than that.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

#include "app/win32_solve_platform.h"

namespace corvanta {
namespace {

using std::chrono::milliseconds;

// For each count, one worker is held back while every other has ended: the
// wait must not call the workers done while it runs, whichever group of 64
// it is in, and must see the end of all of them once it is let go.
TEST(Win32SolvePlatform, WaitsForEveryWorkerInEveryGroupOf64) {
  const struct {
    int workers;
    int heldBack;
  } cases[] = {{65, 64}, {65, 0}, {130, 129}, {130, 70}, {200, 190}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.workers) + " workers, " + std::to_string(c.heldBack) + " held");
    std::vector<HANDLE> events(c.workers);
    for (HANDLE& event : events) event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> ended{0};
    // No early return from here: every worker is let go before the platform
    // waits for them when it goes.
    Win32SolvePlatform platform;
    for (HANDLE event : events) {
      EXPECT_TRUE(platform.StartWorker([event, &ended] {
        WaitForSingleObject(event, INFINITE);
        ++ended;
      }));
    }
    // The last ones first, so that the later groups empty before the first.
    for (int k = c.workers; k-- > 0;) {
      if (k != c.heldBack) SetEvent(events[k]);
    }
    for (int tries = 0; ended < c.workers - 1 && tries < 1000; ++tries) Sleep(10);
    EXPECT_EQ(ended.load(), c.workers - 1);
    EXPECT_FALSE(platform.WaitForWorkers(milliseconds(100)));
    SetEvent(events[c.heldBack]);
    // Waits in the driver's way: slices until the platform says all have ended.
    bool all = false;
    for (int slices = 0; !all && slices < 500; ++slices)
      all = platform.WaitForWorkers(milliseconds(20));
    EXPECT_TRUE(all);
    EXPECT_EQ(ended.load(), c.workers);
    platform.CloseWorkers();
    for (HANDLE event : events) CloseHandle(event);
  }
}

}  // namespace
}  // namespace corvanta
