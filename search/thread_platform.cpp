#include "search/thread_platform.h"

#include <utility>

namespace corvanta {

ThreadPlatform::ThreadPlatform(std::optional<unsigned> processors) : processors_(processors) {}

ThreadPlatform::~ThreadPlatform() {
  for (std::thread& thread : threads_)
    if (thread.joinable()) thread.join();
}

unsigned ThreadPlatform::LogicalProcessorCount() {
  // hardware_concurrency() is 0 when the count is not known.
  return processors_ ? *processors_ : std::thread::hardware_concurrency();
}

bool ThreadPlatform::StartWorker(std::function<void()> body) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ++running_;
  }
  try {
    threads_.emplace_back([this, body = std::move(body)] {
      body();
      // Notified under the lock: the waiter may destroy this object as soon
      // as it sees the count reach 0 and has joined the thread, and joining
      // needs this thread to have left the lock first.
      std::lock_guard<std::mutex> lock(mutex_);
      --running_;
      ended_.notify_all();
    });
  } catch (...) {
    // No thread (std::system_error) or no room to keep it: the body never
    // runs, and the caller decides what to do with its work.
    std::lock_guard<std::mutex> lock(mutex_);
    --running_;
    return false;
  }
  return true;
}

bool ThreadPlatform::WaitForWorkers(std::chrono::milliseconds slice) {
  std::unique_lock<std::mutex> lock(mutex_);
  return ended_.wait_for(lock, slice, [this] { return running_ == 0; });
}

void ThreadPlatform::CloseWorkers() {
  for (std::thread& thread : threads_)
    if (thread.joinable()) thread.join();
  threads_.clear();
}

void ThreadPlatform::Pause(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

std::size_t ThreadPlatform::RunningWorkers() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return running_;
}

}  // namespace corvanta
