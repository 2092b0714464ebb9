// A platform for driving a search from a test: standard threads with short
// wait slices, and hooks for the stop key, the pump and thread creation.
#ifndef CORVANTA_TESTS_SUPPORT_SCRIPTED_PLATFORM_H
#define CORVANTA_TESTS_SUPPORT_SCRIPTED_PLATFORM_H

#include <chrono>
#include <functional>

#include "search/thread_platform.h"

namespace corvanta::testing {

class ScriptedPlatform : public ThreadPlatform {
 public:
  using ThreadPlatform::ThreadPlatform;
  std::function<bool()> stopKey = [] { return false; }, pump = [] { return true; };
  std::function<bool()> startWorker = [] { return true; };  // false: no thread for it
  int alerts = 0;

  bool WaitForWorkers(std::chrono::milliseconds) override {
    return ThreadPlatform::WaitForWorkers(std::chrono::milliseconds(2));
  }
  bool StartWorker(std::function<void()> body) override {
    return startWorker() && ThreadPlatform::StartWorker(std::move(body));
  }
  bool StopKeyHeld() override { return stopKey(); }
  bool PumpMessages() override { return pump(); }
  void StopAlert() override { ++alerts; }
  void Pause(std::chrono::milliseconds) override {}
};

}  // namespace corvanta::testing

#endif
