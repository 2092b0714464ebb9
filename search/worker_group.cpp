#include "search/worker_group.h"

namespace corvanta {

WorkerGroup::~WorkerGroup() {
  if (!open_) return;
  // Only reached when the run is unwinding: stop the workers rather than
  // wait for a whole run. Messages still flow, since a worker may be
  // waiting for the window's thread to take its progress text.
  control_.RequestStop();
  while (!platform_.WaitForWorkers(kWaitSlice)) platform_.PumpMessages();
  platform_.CloseWorkers();
}

bool WorkerGroup::Start(std::function<void()> body) {
  open_ = true;
  if (platform_.StartWorker(body)) return true;
  body();
  return false;
}

void WorkerGroup::WaitForAll() {
  do {
    if (platform_.StopKeyHeld()) {
      control_.RequestStop();
      platform_.StopAlert();
    }
    // A program shutting down has nobody to show the results to.
    if (!platform_.PumpMessages()) control_.RequestStop();
  } while (!platform_.WaitForWorkers(kWaitSlice));
  platform_.CloseWorkers();
  open_ = false;
}

}  // namespace corvanta
